#include "platform/user_interface.h"
#include "platform/win32/file_chooser.h"
#include "platform/win32/help_window.h"
#include "platform/win32/message_box.h"
#include "platform/win32/native_window.h"
#include "platform/win32/program_resources.h"
#include "platform/win32/weapon_choice_dialog.h"

int TPlatformUserInterface::MessageBox(THandle owner, const std::string& text,
                                       const std::string& caption, unsigned type) {
  return ShowMessageBox(HwndOf(owner), text, caption, type);
}

int TPlatformUserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                               const std::string& caption, unsigned type,
                                               const std::vector<std::string>& labels,
                                               int defaultButton) {
  return ShowLabelledMessageBox(HwndOf(owner), text, caption, type, labels, defaultButton);
}

std::optional<std::string> TPlatformUserInterface::ChooseFileToOpen(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, false);
}

std::optional<std::string> TPlatformUserInterface::ChooseFileToSave(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(HwndOf(owner), request, true);
}

std::optional<std::size_t> TPlatformUserInterface::ChooseWeapon(THandle owner,
                                                                const TWeaponChoice& choice) {
  return ChooseWeaponInDialog(HwndOf(owner), choice);
}

void TPlatformUserInterface::ShowHelp(THandle owner, const std::string& helpFile, unsigned) {
  const std::optional<std::string_view> help = RawResource(helpFile);
  if (!help) {
    MessageBox(owner, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ShowHelpWindow(HwndOf(owner), *help);
}

void TPlatformUserInterface::Beep() { MessageBeep(MB_OK); }
