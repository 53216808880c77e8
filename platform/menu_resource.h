// A menu bar described as text: its menus, their items and command identifiers.
//
//   # comment
//   POPUP "&File"
//     MENUITEM "&New" 104
//
// An ampersand in a text marks the mnemonic letter that follows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TMenuItem {
  std::string Text;
  int Id;
  bool Enabled = true;  // false once the program disables it
  bool operator==(const TMenuItem&) const = default;
};

struct TMenuPopup {
  std::string Text;
  std::vector<TMenuItem> Items;
  bool operator==(const TMenuPopup&) const = default;
};

struct TMenuResource {
  std::vector<TMenuPopup> Popups;
  bool operator==(const TMenuResource&) const = default;
};

// Reads a menu description; nothing when any line is malformed or an item
// stands before the first menu.
std::optional<TMenuResource> ParseMenuResource(std::string_view text);
