// The numeric vocabulary shared by the windowing layer and its callers:
// message box types and answers, window styles, control messages and
// notification codes, file dialog flags and help commands.
#pragma once

// Buttons a message box can return.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box types: the buttons offered and the icon shown.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_YESNOCANCEL = 0x03;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_TYPEMASK = 0x0F;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Which button, counted from the left, Enter presses; the first by default.
inline constexpr unsigned MB_DEFBUTTON1 = 0x000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;
inline constexpr unsigned MB_DEFMASK = 0xF00;

// Frame window styles.
inline constexpr unsigned long WS_MAXIMIZEBOX = 0x00010000;
inline constexpr unsigned long WS_MINIMIZEBOX = 0x00020000;
inline constexpr unsigned long WS_THICKFRAME = 0x00040000;
inline constexpr unsigned long WS_SYSMENU = 0x00080000;
inline constexpr unsigned long WS_CAPTION = 0x00C00000;
inline constexpr unsigned long WS_OVERLAPPEDWINDOW =
    WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Check box message and states.
inline constexpr unsigned BM_GETCHECK = 0x00F0;
inline constexpr int BF_UNCHECKED = 0;
inline constexpr int BF_CHECKED = 1;

// Selection-change notification of list boxes and combo boxes.
inline constexpr int LBN_SELCHANGE = 1;
inline constexpr int CBN_SELCHANGE = 1;

// Notification of a push button: the user clicked it.
inline constexpr int BN_CLICKED = 0;

// Notifications of a two-column list: the user selected another row; the
// user pressed Delete in it.
inline constexpr int TLN_SELCHANGE = 1;
inline constexpr int TLN_DELETEKEY = 2;

// File dialog flags.
inline constexpr unsigned long OFN_HIDEREADONLY = 0x0004;
inline constexpr unsigned long OFN_FILEMUSTEXIST = 0x1000;

// Help engine command: open the help file at its contents.
inline constexpr unsigned HELP_CONTENTS = 3;
