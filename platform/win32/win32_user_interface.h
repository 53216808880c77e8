// The user interface of the running program: the system's message boxes
// and file dialogs, the weapon-choosing dialog, the help window and the beep.
#pragma once

#include "platform/user_interface.h"

class Win32UserInterface : public TUserInterface {
 public:
  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type, const std::vector<std::string>& labels,
                         int defaultButton) override;
  std::optional<std::string> ChooseFileToOpen(THandle owner, const TFileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(THandle owner, const TFileRequest& request) override;
  std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) override;
  void ShowHelp(THandle owner, const std::string& helpFile, unsigned command) override;
  void Beep() override;
};
