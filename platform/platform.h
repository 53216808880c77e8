// Everything the windowing layer offers to the program. These headers are the
// whole contract between the program and an implementation of the layer.
//
// Texts crossing the layer are of two kinds, each in one encoding, which
// every implementation converts once on the way to the screen and back:
// - The texts of windows and controls (the frame's title, the menu, labels,
//   group boxes, edits, lists, check boxes) are single bytes, as a script's
//   characters are: byte n is shown as the character U+00nn (Latin-1), so
//   every byte comes back from the screen unchanged.
// - The texts of message boxes and dialogs (captions, messages, button
//   labels, the weapon list's cells, file filters) are UTF-8: whoever puts a
//   script's characters into one converts them first. File names are UTF-8
//   too; on Linux a name the system gives may hold other bytes, which go
//   back to the system as they came.
#pragma once

#include "platform/application.h"
#include "platform/button.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/edit.h"
#include "platform/event.h"
#include "platform/file_dialogs.h"
#include "platform/frame_window.h"
#include "platform/group_box.h"
#include "platform/help.h"
#include "platform/list_box.h"
#include "platform/module.h"
#include "platform/platform_constants.h"
#include "platform/static_text.h"
#include "platform/two_column_list.h"
#include "platform/user_interface.h"
#include "platform/validators.h"
#include "platform/weapon_dialog.h"
#include "platform/window.h"
