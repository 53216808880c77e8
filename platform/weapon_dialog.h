// The weapon-choosing dialog: which weapon of a script of several the user
// wants to edit. Like the file dialogs it asks through the user interface,
// so that a test answers it from a script.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TWindow;

// One weapon of a script as the dialog lists it. Code, name and ID are UTF-8,
// as every dialog text (platform/platform.h); an absent value is empty.
struct TWeaponRow {
  std::string Code;
  std::string Name;
  std::string Id;
  int Line = 0;  // the line of the weapon's header, counted from 1
  bool operator==(const TWeaponRow&) const = default;
};

// What the dialog shows: its title, a sentence above the list, the rows,
// and the row highlighted when it comes up (one beyond the rows: the first).
struct TWeaponChoice {
  std::string Caption;
  std::string Prompt;
  std::vector<TWeaponRow> Rows;
  std::size_t Highlighted = 0;
  bool operator==(const TWeaponChoice&) const = default;
};

// The headings of the list's columns, in the order of TWeaponRow's members.
inline constexpr std::array<std::string_view, 4> kWeaponColumnHeadings = {"Code", "Name", "ID",
                                                                          "Line"};
// The label of the box above the list that narrows the rows.
inline constexpr std::string_view kWeaponFilterLabel = "&Filter:";

class TWeaponDialog {
 public:
  TWeaponDialog(TWindow* parent, TWeaponChoice choice);

  // Shows the dialog: IDOK when the user took a row, its index then in
  // Chosen(); IDCANCEL when the user cancelled, or when there is no row.
  int Execute();
  std::size_t Chosen() const { return chosen_; }

 private:
  TWindow* parent_;
  TWeaponChoice choice_;
  std::size_t chosen_ = 0;
};
