// A user interface for tests: records every question, dialog, help call and
// refusal signal, and answers from queues filled in advance. Installed for
// its lifetime. Plain C++, so that the window cases share it whichever
// implementation of the layer they drive.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

struct AskedQuestion {
  std::string Text;
  std::string Caption;
  unsigned Type;
  std::vector<std::string> Labels;  // buttons with labels of their own; empty for standard ones
  int DefaultButton = 0;            // for labelled buttons: the index Enter presses
};

struct ShownFileDialog {
  bool Save;
  TFileRequest Request;
};

struct HelpCall {
  std::string HelpFile;
  unsigned Command;
};

class ScriptedUserInterface : public TUserInterface {
 public:
  ScriptedUserInterface();
  ~ScriptedUserInterface() override;

  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type, const std::vector<std::string>& labels,
                         int defaultButton) override;
  std::optional<std::string> ChooseFileToOpen(THandle owner, const TFileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(THandle owner, const TFileRequest& request) override;
  std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) override;
  void ShowHelp(THandle owner, const std::string& helpFile, unsigned command) override;
  void Beep() override { ++Beeps; }

  // Answers in order: a button (IDYES …) for a standard box, an index for
  // labelled buttons. An empty queue answers as a closed box does: IDCANCEL
  // when the box has a Cancel button, IDNO in a box of Yes and No, else IDOK;
  // the last index for labelled buttons.
  std::deque<int> Answers;
  // Chosen paths in order; nothing, or an empty queue, cancels the dialog.
  std::deque<std::optional<std::string>> FileChoices;
  // Rows taken in the weapon-choosing dialog; nothing, or an empty queue, cancels it.
  std::deque<std::optional<std::size_t>> WeaponChoices;

  // Where message boxes and the weapon-choosing dialog are also shown, before
  // the scripted answer is given; its own answers count for nothing. A
  // driver puts the platform's own interface here to read back what the
  // screen shows.
  TUserInterface* AlsoShownOn = nullptr;
  // Prints every message box on standard output as it is asked, "asked:
  // TEXT|CAPTION|TYPE", for a case that watches another process.
  bool EchoQuestions = false;

  std::vector<AskedQuestion> Questions;
  std::vector<ShownFileDialog> FileDialogs;
  std::vector<TWeaponChoice> WeaponDialogs;
  std::vector<HelpCall> HelpCalls;
  int Beeps = 0;

 private:
  TUserInterface* previous_;
};
