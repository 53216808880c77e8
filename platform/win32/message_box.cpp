// The system's message boxes for the two kinds the layer offers, the standard
// buttons and buttons with labels of their own; and the beep.
#include "platform/user_interface.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

// Button identifiers of a labelled box: the first label's, then one up each.
constexpr int kFirstLabelledButton = 100;

// MB_DEFBUTTON3 in a box of two buttons names none of them: the first is meant.
unsigned WithDefaultButtonOfTheBox(unsigned type) {
  const unsigned buttons = (type & MB_TYPEMASK) == MB_YESNOCANCEL ? 3
                           : (type & MB_TYPEMASK) == MB_YESNO     ? 2
                                                                  : 1;
  if (((type & MB_DEFMASK) >> 8) >= buttons) type &= ~MB_DEFMASK;
  return type;
}

}  // namespace

int TPlatformUserInterface::MessageBox(THandle owner, const std::string& text,
                                       const std::string& caption, unsigned type) {
  const unsigned style = WithDefaultButtonOfTheBox(type & (MB_TYPEMASK | MB_ICONMASK | MB_DEFMASK));
  const int pressed = MessageBoxW(HwndOf(owner), WideFromUtf8(text).c_str(),
                                  WideFromUtf8(caption).c_str(), style | MB_APPLMODAL);
  switch (pressed) {
    case IDYES:
    case IDNO:
    case IDOK:
      return pressed;
    default:
      return (type & MB_TYPEMASK) == MB_YESNO ? IDNO
             : (type & MB_TYPEMASK) == MB_OK  ? IDOK
                                              : IDCANCEL;
  }
}

int TPlatformUserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                               const std::string& caption, unsigned type,
                                               const std::vector<std::string>& labels,
                                               int defaultButton) {
  std::vector<std::wstring> texts;
  for (const std::string& label : labels) texts.push_back(WideFromUtf8(label));
  std::vector<TASKDIALOG_BUTTON> buttons;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    buttons.push_back({kFirstLabelledButton + int(i), texts[i].c_str()});
  }
  const std::wstring title = WideFromUtf8(caption);
  const std::wstring content = WideFromUtf8(text);
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = HwndOf(owner);
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = title.c_str();
  config.pszContent = content.c_str();
  if ((type & MB_ICONMASK) == MB_ICONEXCLAMATION) config.pszMainIcon = TD_WARNING_ICON;
  config.cButtons = UINT(buttons.size());
  config.pButtons = buttons.data();
  config.nDefaultButton = kFirstLabelledButton + defaultButton;
  int pressed = 0;
  if (FAILED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr)))
    return int(labels.size()) - 1;
  const int index = pressed - kFirstLabelledButton;
  return index >= 0 && index < int(labels.size()) ? index : int(labels.size()) - 1;
}

void TPlatformUserInterface::Beep() { MessageBeep(MB_OK); }
