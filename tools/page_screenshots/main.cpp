// Draws every page of the editor into a PNG file of its own, and each menu
// of its menu bar, opened, into menu_NAME.png:
//   kalvex-page-screenshots OUTPUT_FOLDER [SCRIPT.tdf]
// With a script, the pages show the weapon read from it; without, a new one.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "platform/qt/native_window.h"
#include "tools/page_screenshots/page_tour.h"

namespace {

// Draws each menu of the window's menu bar, opened below its title, into
// menu_NAME.png (NAME its title in lower case, without "&"); whether all
// were written.
bool DrawMenus(QWidget& window, const QDir& folder) {
  QMenuBar* bar = window.findChild<QMenuBar*>();
  if (!bar) return true;
  bool written = true;
  for (QAction* item : bar->actions()) {
    QMenu* menu = item->menu();
    if (!menu) continue;
    menu->popup(bar->mapToGlobal(bar->actionGeometry(item).bottomLeft()));
    QApplication::processEvents();
    const QString name = folder.filePath(
        QStringLiteral("menu_%1.png").arg(item->text().remove(QChar('&')).toLower()));
    if (!menu->grab().save(name)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
      written = false;
    }
    menu->hide();
  }
  return written;
}

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
  const int failures =
      TourThePages(argc == 3 ? argv[2] : "", [&folder](TMachines& window, int page) {
        QApplication::processEvents();
        const QString name =
            folder.filePath(QStringLiteral("page_%1.png").arg(page, 2, 10, QChar('0')));
        if (!WidgetOf(window)->grab().save(name)) {
          std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
          return false;
        }
        return page != 0 || DrawMenus(*WidgetOf(window), folder);
      });
  std::fflush(stdout);
  std::fflush(stderr);
  // The editor ends its process when its window closes; end here the same way.
  _exit(failures == 0 ? 0 : 1);
}
