// Draws every page of the editor into a PNG file of its own:
//   kalvex-page-screenshots OUTPUT_FOLDER [SCRIPT.tdf]
// With a script, the pages show the weapon read from it; without, a new one.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "app/kalvex.h"
#include "pages/page_table.h"
#include "platform/qt/native_window.h"

namespace {

// Answers every question of the editor without a window: "No" to saving,
// the given script to the open dialog, its first weapon to the weapon list.
class Unattended : public TUserInterface {
 public:
  explicit Unattended(std::string script) : script_(std::move(script)) {}
  int MessageBox(THandle, const std::string& text, const std::string&, unsigned) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return IDNO;
  }
  int LabelledMessageBox(THandle, const std::string& text, const std::string&, unsigned,
                         const std::vector<std::string>& labels, int) override {
    std::fprintf(stderr, "%s\n", text.c_str());
    return int(labels.size()) - 1;
  }
  std::optional<std::string> ChooseFileToOpen(THandle, const TFileRequest&) override {
    return script_;
  }
  std::optional<std::string> ChooseFileToSave(THandle, const TFileRequest&) override {
    return std::nullopt;
  }
  // The first weapon of a script of several.
  std::optional<std::size_t> ChooseWeapon(THandle, const TWeaponChoice&) override { return 0; }
  void ShowHelp(THandle, const std::string&, unsigned) override {}
  void Beep() override {}

 private:
  std::string script_;
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER [SCRIPT.tdf]\n", argv[0]);
    return 2;
  }
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(folder.path())) {
    std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
    return 1;
  }
  Unattended answers(argc == 3 ? argv[2] : "");
  SetUserInterface(&answers);

  TMachines window("Cindervale Weapon Editor");
  window.Create();
  window.Show();
  if (argc == 3) {
    window.Open();
  } else {
    window.New();
  }
  int failures = 0;
  for (int page = 0; page < kalvex::kPageCount; ++page) {
    window.ComboBox->SetSelIndex(page);
    window.EvCBNSelChange();
    QApplication::processEvents();
    const QString name =
        folder.filePath(QStringLiteral("page_%1.png").arg(page, 2, 10, QChar('0')));
    if (!WidgetOf(window)->grab().save(name)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
      ++failures;
    }
  }
  std::fflush(stdout);
  std::fflush(stderr);
  // The editor ends its process when its window closes; end here the same way.
  _exit(failures == 0 ? 0 : 1);
}
