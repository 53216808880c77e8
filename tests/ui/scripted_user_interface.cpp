#include "tests/ui/scripted_user_interface.h"

#include "platform/platform_constants.h"

ScriptedUserInterface::ScriptedUserInterface() : previous_(SetUserInterface(this)) {}

ScriptedUserInterface::~ScriptedUserInterface() { SetUserInterface(previous_); }

int ScriptedUserInterface::MessageBox(QWidget*, const std::string& text, const std::string& caption,
                                      unsigned type) {
  Questions.push_back({text, caption, type});
  if (Answers.empty()) return (type & MB_TYPEMASK) == MB_YESNOCANCEL ? IDCANCEL : IDOK;
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToOpen(QWidget*,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({false, request});
  return NextFileChoice();
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToSave(QWidget*,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({true, request});
  return NextFileChoice();
}

void ScriptedUserInterface::ShowHelp(QWidget*, const std::string& helpFile, unsigned command) {
  HelpCalls.push_back({helpFile, command});
}

std::optional<std::string> ScriptedUserInterface::NextFileChoice() {
  if (FileChoices.empty()) return std::nullopt;
  std::optional<std::string> choice = FileChoices.front();
  FileChoices.pop_front();
  return choice;
}
