#include "tools/page_screenshots/page_tour.h"

#include <cstdio>

#include "pages/page_table.h"

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

int TourThePages(const std::string& script, const std::function<bool(TMachines&, int)>& draw) {
  Unattended answers(script);
  SetUserInterface(&answers);
  TMachines window("Cindervale Weapon Editor");
  window.Create();
  window.Show();
  if (!script.empty()) {
    window.Open();
  } else {
    window.New();
  }
  int failures = 0;
  // The pages of fields, then the page of other entries.
  for (int page = 0; page <= kalvex::kOtherEntriesPage; ++page) {
    window.PageList()->SetSelIndex(page);
    window.EvCBNSelChange();
    if (!draw(window, page)) ++failures;
  }
  SetUserInterface(nullptr);
  return failures;
}
