// A user interface for tests: records every question and file dialog and
// answers from queues filled in advance. Installed for its lifetime.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

struct AskedQuestion {
  std::string Text;
  std::string Caption;
  unsigned Type;
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

  int MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  std::optional<std::string> ChooseFileToOpen(QWidget* owner, const TFileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(QWidget* owner, const TFileRequest& request) override;
  void ShowHelp(QWidget* owner, const std::string& helpFile, unsigned command) override;

  // Answers in order; an empty queue answers as a closed box does: IDCANCEL
  // when the box has a Cancel button, else IDOK.
  std::deque<int> Answers;
  // Chosen paths in order; nothing, or an empty queue, cancels the dialog.
  std::deque<std::optional<std::string>> FileChoices;

  std::vector<AskedQuestion> Questions;
  std::vector<ShownFileDialog> FileDialogs;
  std::vector<HelpCall> HelpCalls;

 private:
  std::optional<std::string> NextFileChoice();

  TUserInterface* previous_;
};
