#include "tests/window/scripted_user_interface.h"

#include "platform/platform_constants.h"

namespace {

// What closing a box of that type answers.
int ClosedBoxAnswer(unsigned type) {
  switch (type & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    default:
      return IDOK;
  }
}

template <class T>
std::optional<T> Next(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> next = queue.front();
  queue.pop_front();
  return next;
}

}  // namespace

ScriptedUserInterface::ScriptedUserInterface() : previous_(SetUserInterface(this)) {}

ScriptedUserInterface::~ScriptedUserInterface() { SetUserInterface(previous_); }

int ScriptedUserInterface::MessageBox(THandle, const std::string& text, const std::string& caption,
                                      unsigned type) {
  Questions.push_back({text, caption, type, {}, 0});
  if (Answers.empty()) return ClosedBoxAnswer(type);
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

int ScriptedUserInterface::LabelledMessageBox(THandle, const std::string& text,
                                              const std::string& caption, unsigned type,
                                              const std::vector<std::string>& labels,
                                              int defaultButton) {
  Questions.push_back({text, caption, type, labels, defaultButton});
  if (Answers.empty()) return int(labels.size()) - 1;
  const int answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToOpen(THandle,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({false, request});
  return Next(FileChoices);
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToSave(THandle,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({true, request});
  return Next(FileChoices);
}

std::optional<std::size_t> ScriptedUserInterface::ChooseWeapon(THandle,
                                                               const TWeaponChoice& choice) {
  WeaponDialogs.push_back(choice);
  return Next(WeaponChoices);
}

void ScriptedUserInterface::ShowHelp(THandle, const std::string& helpFile, unsigned command) {
  HelpCalls.push_back({helpFile, command});
}
