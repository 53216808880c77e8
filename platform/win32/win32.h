// The Win32 API for the layer's implementation. The layer's own names come
// first: <windows.h> defines macros of the same values for its constants
// (IDOK, MB_OK …) and renames functions that the layer's classes have as
// members (MessageBox, SendMessage, LoadMenu), which are undone here.
#pragma once

#include "platform/platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
// The rest after <windows.h>, which they need.
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#undef MessageBox
#undef SendMessage
#undef LoadMenu
