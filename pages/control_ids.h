// Identifiers of the main window's controls. The page list and every
// drop-down list share one identifier, so a selection change in any of them
// reaches the page switch.
#pragma once

inline constexpr int ID_NONE = -1;  // the fixed help and label lines
inline constexpr int ID_GROUPBOX = 130;
inline constexpr int ID_CB_BASE = 200;
inline constexpr int ID_SIMPLE_COMBOBOX = ID_CB_BASE;
inline constexpr int ID_CHECKBOX = 240;

// Edits: most carry ID_EDIT; a few fields have their own identifier.
inline constexpr int ID_EDIT = 207;
inline constexpr int ID_EDIT_ACCELERATION = 214;
inline constexpr int ID_EDIT_FIRE_CHANCE = 247;
inline constexpr int ID_EDIT_EFFECT_EDGE = 257;
inline constexpr int ID_EDIT_START_SPEED = 264;
inline constexpr int ID_EDIT_AIM_RATE = 267;
inline constexpr int ID_EDIT_TOLERANCE = 286;

// The page of other entries: its list of entries and its two buttons.
inline constexpr int ID_ENTRY_LIST = 300;
inline constexpr int ID_ENTRY_SET = 301;
inline constexpr int ID_ENTRY_REMOVE = 302;
