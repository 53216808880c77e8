// The user interface of the running program, made of Qt's message boxes and
// dialogs, its help window and its beep, and the set-up of its file dialogs.
#pragma once

#include <QFileDialog>

#include "platform/user_interface.h"

using QtUserInterface = TPlatformUserInterface;

// Sets `dialog` up for `request`: Qt's own dialog (never the desktop's, so the
// behaviour is the same everywhere; it matches the filters' patterns in either
// case, so ".tdf" and ".TDF" files both show although names are case-sensitive
// here), the filters, the proposed name; a save dialog takes new names and
// replaces files without asking.
void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode);
