// Starts the main window, closes it one way and reports what happened:
//   ui_close_probe file-exit|close-box SAVE ANSWER [PATH]
// SAVE is the window's save flag (0 or 1), ANSWER the reply to a question
// (yes, no, cancel or none for a closed box), PATH the file chosen in the save
// dialog (none: the dialog is cancelled). Each question is printed as it is
// asked; "open" is printed when the window survived the close.
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "app/kalvex.h"
#include "platform/qt/native_window.h"
#include "tests/ui/menu_driver.h"
#include "tests/window/scripted_user_interface.h"

namespace {

// Prints each question at once: the process may end inside the caller.
class EchoingUserInterface : public ScriptedUserInterface {
 public:
  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override {
    std::printf("asked: %s|%s|%u\n", text.c_str(), caption.c_str(), type);
    std::fflush(stdout);
    return ScriptedUserInterface::MessageBox(owner, text, caption, type);
  }
};

// False when `how` names no way of closing, or the menu did not open.
bool CloseWindow(const std::string& how, QWidget* frame) {
  if (how == "file-exit") return ChooseMenuItem(frame, "&File", "E&xit");
  if (how != "close-box") return false;
  frame->windowHandle()->close();  // what the desktop sends for the close box and window menu
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const std::map<std::string, int> answers = {{"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
  if (argc != 4 && argc != 5) return 2;

  EchoingUserInterface ui;
  if (const auto answer = answers.find(argv[3]); answer != answers.end()) {
    ui.Answers.push_back(answer->second);
  }
  if (argc == 5) ui.FileChoices.push_back(argv[4]);
  TMachines window("Cindervale Weapon Editor");
  window.SaveFlag() = std::atoi(argv[2]);
  // A real change, not only the flag.
  if (window.SaveFlag() == 0) window.EditedWeapon().Weapname = "Changed";
  window.Create();
  window.Show();
  WidgetOf(window)->activateWindow();
  if (!QTest::qWaitForWindowActive(WidgetOf(window))) return 3;
  if (!CloseWindow(argv[1], WidgetOf(window))) return 4;
  std::printf("open\n");
  return 0;
}
