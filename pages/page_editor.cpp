#include "pages/page_editor.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "pages/edit_text.h"
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

constexpr Slot kListSlots[] = {Slot::ComboBox1, Slot::ComboBox2, Slot::ComboBox3,
                               Slot::ComboBox4, Slot::ComboBox5, Slot::ComboBox6};

// The drop-down list of the page that has the keyboard focus, if any.
std::optional<Slot> FocusedList(PageArea& area) {
  for (const Slot slot : kListSlots) {
    const TComboBox* list = ListSlot(area, slot);
    if (list && list->HasFocus()) return slot;
  }
  return std::nullopt;
}

}  // namespace

bool ValueDiffers(const PageControl& c, const WeaponRecord& a, const WeaponRecord& b) {
  if (c.member.text) return a.*c.member.text != b.*c.member.text;
  const std::string* ownA = OwnText(a, c.member.number);
  return a.*c.member.number != b.*c.member.number ||
         (ownA && *ownA != *OwnText(b, c.member.number));
}

void SwitchPage(const PageEditor& e, int page) {
  const std::optional<Slot> focused = FocusedList(e.area);
  CollectShownPage(e);
  TakeDownPage(e.area);
  e.area.indexx = page;
  if (page < 0 || page >= kPageCount) return;
  BuildPage(e, Pages()[page]);
  if (focused) {
    if (TComboBox* list = ListSlot(e.area, *focused)) list->SetFocus();
  }
}

void CollectShownPage(const PageEditor& e) {
  if (e.area.Box != 1) return;
  const PageDescription& page = Pages()[e.area.indexx];
  for (const Slot slot : page.collectOrder) CollectControl(e, ControlInSlot(page, slot));
}

void TakeDownPage(PageArea& area) {
  BlankLabelLines(area);
  DestroyPageControls(area);
  area.Box = 0;
}

}  // namespace kalvex
