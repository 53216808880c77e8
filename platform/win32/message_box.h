// The system's message boxes for the two kinds the layer offers: the
// standard buttons, and buttons with labels of their own.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32.h"

// IDOK, IDYES, IDNO or IDCANCEL, as TUserInterface::MessageBox tells.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned type);
// The index of the button pressed; closing the box gives the last one.
int ShowLabelledMessageBox(HWND owner, const std::string& text, const std::string& caption,
                           unsigned type, const std::vector<std::string>& labels,
                           int defaultButton);
