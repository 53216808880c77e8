#include "platform/win32/win32_user_interface.h"

#include "platform/win32/file_chooser.h"
#include "platform/win32/help_window.h"
#include "platform/win32/message_box.h"
#include "platform/win32/native_window.h"
#include "platform/win32/program_resources.h"
#include "platform/win32/weapon_choice_dialog.h"

int Win32UserInterface::MessageBox(THandle owner, const std::string& text,
                                   const std::string& caption, unsigned type) {
  return ShowMessageBox(HwndOf(owner), text, caption, type);
}

int Win32UserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                           const std::string& caption, unsigned type,
                                           const std::vector<std::string>& labels,
                                           int defaultButton) {
  return ShowLabelledMessageBox(HwndOf(owner), text, caption, type, labels, defaultButton);
}

std::optional<std::string> Win32UserInterface::ChooseFileToOpen(THandle owner,
                                                                const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, false);
}

std::optional<std::string> Win32UserInterface::ChooseFileToSave(THandle owner,
                                                                const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, true);
}

std::optional<std::size_t> Win32UserInterface::ChooseWeapon(THandle owner,
                                                            const TWeaponChoice& choice) {
  return ChooseWeaponInDialog(HwndOf(owner), choice);
}

void Win32UserInterface::ShowHelp(THandle owner, const std::string& helpFile, unsigned) {
  const std::optional<std::string_view> help = RawResource(helpFile);
  if (!help) {
    MessageBox(owner, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ShowHelpWindow(HwndOf(owner), *help);
}

void Win32UserInterface::Beep() { MessageBeep(MB_OK); }

TUserInterface& PlatformUserInterface() {
  static Win32UserInterface win32Interface;
  return win32Interface;
}
