#include "pages/page_editor.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "pages/edit_text.h"
#include "pages/other_entries_page.h"
#include "record/record_fields.h"

namespace kalvex {
namespace {

std::unique_ptr<TValidator> MakeValidator(const EditRule& rule) {
  switch (rule.kind) {
    case EditRule::Range:
      return std::make_unique<TRangeValidator>(rule.min, rule.max);
    case EditRule::Filter:
      return std::make_unique<TFilterValidator>(TCharSet(rule.charSet));
    case EditRule::Decimal:
      return std::make_unique<TDecimalValidator>();
    case EditRule::None:
      break;
  }
  return nullptr;
}

void BuildEdit(const PageEditor& e, const PageControl& c) {
  // The limit bounds what the user types; a stored text is shown whole.
  auto* edit = new TEdit(&e.window, c.id, ShownText(e.record.*c.member.text), c.x, c.y, c.w, c.h,
                         c.limit + 1);
  if (auto validator = MakeValidator(c.rule)) edit->SetValidator(std::move(validator));
  edit->Create();
  edit->SetUserChangeHandler(e.userChanged);
  edit->SetFocusLostHandler(e.changeDone);
  EditSlot(e.area, c.slot) = edit;
}

// The text of the list's member that no entry holds (a mod's own model,
// sound or explosion art), or nullptr when the member has none.
const std::string* OwnTextShown(const PageEditor& e, const PageControl& c) {
  const std::string* own = OwnText(e.record, c.member.number);
  return own && !own->empty() ? own : nullptr;
}

void BuildList(const PageEditor& e, const PageControl& c) {
  auto* list = new TComboBox(&e.window, c.id, c.x, c.y, c.w, c.h);
  list->Create();
  for (std::size_t position = 0; position < c.entries.size(); ++position) {
    list->InsertString(c.entries[position], static_cast<int>(position));
  }
  if (const std::string* own = OwnTextShown(e, c)) {
    // Shown as it is spelled in the script, as an extra entry after the list's own.
    const int extra = static_cast<int>(c.entries.size());
    list->InsertString(*own, extra);
    list->SetSelIndex(extra);
  } else {
    list->SetSelIndex(e.record.*c.member.number);
  }
  ListSlot(e.area, c.slot) = list;
}

// Stores the list's selected position; the extra entry of an own text keeps
// that text, any other entry replaces it.
void CollectList(const PageEditor& e, const PageControl& c) {
  // A list showing no selection keeps its member: only a position the user
  // can see is stored.
  const int selected = ListSlot(e.area, c.slot)->GetSelIndex();
  if (selected < 0) return;
  if (OwnTextShown(e, c) && selected == static_cast<int>(c.entries.size())) return;
  e.record.*c.member.number = selected;
  if (std::string* own = OwnText(e.record, c.member.number)) own->clear();
}

void BuildCheckBox(const PageEditor& e, const PageControl& c) {
  auto* box = new TCheckBox(&e.window, c.id, c.labelText, c.x, c.y, c.w, c.h);
  box->Create();
  box->SetCheck(e.record.*c.member.number == 1 ? BF_CHECKED : BF_UNCHECKED);
  box->SetUserChangeHandler([changed = e.userChanged, done = e.changeDone] {
    changed();
    done();
  });
  e.area.Check1 = box;
}

const PageControl& ControlInSlot(const PageDescription& page, Slot slot) {
  return *std::find_if(page.controls.begin(), page.controls.end(),
                       [slot](const PageControl& c) { return c.slot == slot; });
}

void CollectControl(const PageEditor& e, const PageControl& c) {
  switch (c.collect) {
    case CollectForm::Text:
      if (c.rule.kind == EditRule::Decimal) {
        CollectNumberText(e.record.*c.member.text, EditSlot(e.area, c.slot)->GetText());
      } else {
        CollectEditText(e.record.*c.member.text, EditSlot(e.area, c.slot)->GetText());
      }
      break;
    case CollectForm::List:
      CollectList(e, c);
      break;
    case CollectForm::Check: {
      int& member = e.record.*c.member.number;
      const bool checked = e.area.Check1->SendMessage(BM_GETCHECK) == BF_CHECKED;
      if (checked != (member == 1)) member = checked ? 1 : 0;
      break;
    }
  }
}

// Sets the page's sentence and labels and creates its controls in build
// order; ends with the page up (Box 1).
void BuildPage(const PageEditor& e, const PageDescription& page) {
  e.area.CurHelp->SetText(page.curHelp);
  for (const PageControl& c : page.controls) {
    if (c.label != LabelLine::None) LabelStatic(e.area, c.label)->SetText(c.labelText);
    switch (c.kind) {
      case ControlKind::Edit:
        BuildEdit(e, c);
        break;
      case ControlKind::DropDownList:
        BuildList(e, c);
        break;
      case ControlKind::CheckBox:
        BuildCheckBox(e, c);
        break;
    }
  }
  for (const PageNote& note : page.notes) LabelStatic(e.area, note.line)->SetText(note.text);
  e.area.Box = 1;
}

constexpr Slot kSlots[] = {Slot::Enter,     Slot::Enter2,    Slot::Enter3,    Slot::Enter4,
                           Slot::Check1,    Slot::ComboBox1, Slot::ComboBox2, Slot::ComboBox3,
                           Slot::ComboBox4, Slot::ComboBox5, Slot::ComboBox6};

// The control in the slot, or nullptr.
TWindow* SlotControl(PageArea& area, Slot slot) {
  switch (slot) {
    case Slot::Enter:
    case Slot::Enter2:
    case Slot::Enter3:
    case Slot::Enter4:
      return EditSlot(area, slot);
    case Slot::Check1:
      return area.Check1;
    default:
      return ListSlot(area, slot);
  }
}

// The slot of the page's control that has the keyboard focus, if any.
std::optional<Slot> FocusedSlot(PageArea& area) {
  for (const Slot slot : kSlots) {
    const TWindow* control = SlotControl(area, slot);
    if (control && control->HasFocus()) return slot;
  }
  return std::nullopt;
}

// Gives the keyboard focus to the control in the slot, if there is one.
void FocusSlot(PageArea& area, std::optional<Slot> slot) {
  if (!slot) return;
  if (TWindow* control = SlotControl(area, *slot)) control->SetFocus();
}

// Builds page `page`, a page of fields or the page of other entries, with
// the keyboard focus in `focused`; nothing for another number.
void BuildNumberedPage(const PageEditor& e, int page, std::optional<Slot> focused) {
  if (page == kOtherEntriesPage) {
    BuildOtherEntriesPage(e);
    return;
  }
  if (page < 0 || page >= kPageCount) return;
  BuildPage(e, Pages()[page]);
  FocusSlot(e.area, focused);
}

}  // namespace

bool ValueDiffers(const PageControl& c, const WeaponRecord& a, const WeaponRecord& b) {
  if (c.member.text) return a.*c.member.text != b.*c.member.text;
  const std::string* ownA = OwnText(a, c.member.number);
  return a.*c.member.number != b.*c.member.number ||
         (ownA && *ownA != *OwnText(b, c.member.number));
}

void SwitchPage(const PageEditor& e, int page) {
  const std::optional<Slot> focused = FocusedSlot(e.area);
  CollectShownPage(e);
  TakeDownPage(e.area);
  e.area.indexx = page;
  BuildNumberedPage(e, page, focused);
}

void ShowPageAgain(const PageEditor& e) {
  if (e.area.Box != 1) return;
  const std::optional<Slot> focused = FocusedSlot(e.area);
  TakeDownPage(e.area);
  BuildNumberedPage(e, e.area.indexx, focused);
}

void CollectShownPage(const PageEditor& e) {
  if (e.area.Box != 1 || e.area.indexx == kOtherEntriesPage) return;
  const PageDescription& page = Pages()[e.area.indexx];
  for (const Slot slot : page.collectOrder) CollectControl(e, ControlInSlot(page, slot));
}

void TakeDownPage(PageArea& area) {
  BlankLabelLines(area);
  DestroyPageControls(area);
  area.Box = 0;
}

}  // namespace kalvex
