#include "tests/window/scripted_user_interface.h"

#include <cstdio>
#include <utility>

#include "platform/platform_constants.h"

namespace {

// What closing a box of that type answers.
int ClosedBoxAnswer(unsigned type) {
  const unsigned buttons = type & MB_TYPEMASK;
  return buttons == MB_YESNOCANCEL ? IDCANCEL : buttons == MB_YESNO ? IDNO : IDOK;
}

// The next answer of `queue`, or `whenEmpty` when there is none.
template <class T>
T Next(std::deque<T>& queue, T whenEmpty) {
  if (queue.empty()) return whenEmpty;
  T next = std::move(queue.front());
  queue.pop_front();
  return next;
}

}  // namespace

ScriptedUserInterface::ScriptedUserInterface() : previous_(SetUserInterface(this)) {}

ScriptedUserInterface::~ScriptedUserInterface() { SetUserInterface(previous_); }

int ScriptedUserInterface::MessageBox(THandle owner, const std::string& text,
                                      const std::string& caption, unsigned type) {
  if (AlsoShownOn) AlsoShownOn->MessageBox(owner, text, caption, type);
  if (EchoQuestions) {
    std::printf("asked: %s|%s|%u\n", text.c_str(), caption.c_str(), type);
    std::fflush(stdout);  // the process may end inside the caller
  }
  Questions.push_back({text, caption, type, {}, 0});
  return Next(Answers, ClosedBoxAnswer(type));
}

int ScriptedUserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                              const std::string& caption, unsigned type,
                                              const std::vector<std::string>& labels,
                                              int defaultButton) {
  if (AlsoShownOn)
    AlsoShownOn->LabelledMessageBox(owner, text, caption, type, labels, defaultButton);
  Questions.push_back({text, caption, type, labels, defaultButton});
  return Next(Answers, int(labels.size()) - 1);
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToOpen(THandle,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({false, request});
  return Next(FileChoices, {});
}

std::optional<std::string> ScriptedUserInterface::ChooseFileToSave(THandle,
                                                                   const TFileRequest& request) {
  FileDialogs.push_back({true, request});
  return Next(FileChoices, {});
}

std::optional<std::size_t> ScriptedUserInterface::ChooseWeapon(THandle owner,
                                                               const TWeaponChoice& choice) {
  if (AlsoShownOn) AlsoShownOn->ChooseWeapon(owner, choice);
  WeaponDialogs.push_back(choice);
  return Next(WeaponChoices, {});
}

void ScriptedUserInterface::ShowHelp(THandle, const std::string& helpFile, unsigned command) {
  HelpCalls.push_back({helpFile, command});
}
