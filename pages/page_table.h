// The nineteen pages of the editor as data: for every page its entry in the
// page list, the sentence shown under "Item Help", the controls in the order
// they are built, and the order in which the page switch collects them.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "record/record_fields.h"
#include "record/weapon_record.h"

namespace kalvex {

// The control slots of the page area that hold a page's controls.
enum class Slot {
  Enter,
  Enter2,
  Enter3,
  Enter4,
  Check1,
  ComboBox1,
  ComboBox2,
  ComboBox3,
  ComboBox4,
  ComboBox5,
  ComboBox6,
};

// The six label lines; a control either labels one of them or none.
enum class LabelLine { None, HelpDesc, HelpDesc2, HelpDesc3, HelpDesc4, HelpDesc5, HelpDesc6 };

enum class ControlKind { Edit, DropDownList, CheckBox };

// How the page switch stores a control's value into its member.
enum class CollectForm {
  Text,   // the edit's text
  List,   // the selected position; a list showing no selection keeps its member
  Check,  // 1 when checked, 0 when not
};

// What an edit accepts while the user types.
struct EditRule {
  enum Kind { None, Range, Filter, Decimal } kind = None;
  int min = 0;
  int max = 0;
  std::string_view charSet;  // for Filter: characters, "a-b" for a range
};

// The weapon record member that a control shows and receives.
struct MemberRef {
  std::string WeaponRecord::*text = nullptr;
  int WeaponRecord::*number = nullptr;

  constexpr MemberRef(std::string WeaponRecord::*t) : text(t) {}
  constexpr MemberRef(int WeaponRecord::*n) : number(n) {}
};

struct PageControl {
  Slot slot;
  ControlKind kind;
  int id;
  LabelLine label;
  std::string_view labelText;  // for a check box: its caption
  int x, y, w, h;
  MemberRef member;
  CollectForm collect;
  int limit = 0;                              // edits
  EditRule rule = {};                         // edits
  std::span<const std::string_view> entries;  // drop-down lists
};

// A label line that a page sets without a control of its own.
struct PageNote {
  LabelLine line;
  std::string_view text;
};

struct PageDescription {
  std::string_view listEntry;
  std::string_view curHelp;
  std::span<const PageControl> controls;  // in build order
  std::span<const Slot> collectOrder;
  std::span<const PageNote> notes;
};

inline constexpr int kPageCount = 19;

const std::array<PageDescription, kPageCount>& Pages();

// The page after the nineteen of the table, which the page editor builds on
// its own: the entries of the weapon that no field reads.
inline constexpr int kOtherEntriesPage = kPageCount;
inline constexpr std::string_view kOtherEntriesEntry = "Other Entries";
// How many entries the page list has.
inline constexpr int kPageListCount = kPageCount + 1;

// The page whose controls edit `field`, or -1 when none does.
int PageOfField(const RecordField& field);

}  // namespace kalvex
