// Qt's message boxes for the two kinds the layer offers: the standard
// buttons (MB_OK, MB_YESNO, MB_YESNOCANCEL) and buttons with labels of their
// own. Both are modal, owned by `owner` and centred on it.
#pragma once

#include <string>
#include <vector>

class QWidget;

// IDOK, IDYES, IDNO or IDCANCEL, as TUserInterface::MessageBox tells.
int ShowMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                   unsigned type);
// The index of the button pressed; closing the box gives the last one.
int ShowLabelledMessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                           unsigned type, const std::vector<std::string>& labels,
                           int defaultButton);
