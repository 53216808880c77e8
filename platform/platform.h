// Everything the windowing layer offers to the program. These headers are the
// whole contract between the program and an implementation of the layer.
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
