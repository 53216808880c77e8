// Qt's file dialogs for the platform's user interface, whose other members
// stand beside what they show: message_box.cpp, weapon_choice_dialog.cpp,
// help_window.cpp.
#pragma once

#include <QFileDialog>

#include "platform/user_interface.h"

// Sets `dialog` up for `request`: Qt's own dialog (never the desktop's, so the
// behaviour is the same everywhere; it matches the filters' patterns in either
// case, so ".tdf" and ".TDF" files both show although names are case-sensitive
// here), the filters, the proposed name; a save dialog takes new names and
// replaces files without asking.
void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode);
