// Identifiers of the main window's menu commands and controls.
#pragma once

#include "pages/control_ids.h"

inline constexpr int CM_HELPABOUT = 102;
inline constexpr int CM_HELPCONTENTS = 103;
inline constexpr int CM_FILENEW = 104;
inline constexpr int CM_FILEEXIT = 105;
inline constexpr int CM_FILESAVE = 106;
inline constexpr int CM_FILEOPEN = 110;
inline constexpr int CM_WEAPONNEXT = 120;
inline constexpr int CM_WEAPONPREVIOUS = 121;
inline constexpr int CM_WEAPONCHOOSE = 122;
inline constexpr int CM_WEAPONNEW = 123;
inline constexpr int CM_WEAPONDUPLICATE = 124;
inline constexpr int CM_WEAPONDELETE = 125;
inline constexpr int CM_EDITUNDO = 126;
inline constexpr int CM_EDITREDO = 127;
