#include "pages/page_builder.h"

#include <algorithm>
#include <memory>

#include "pages/edit_text.h"
#include "pages/page_slots.h"
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

void BuildEdit(TMachines& w, const PageControl& c) {
  // The limit bounds what the user types; a stored text is shown whole.
  auto* edit =
      new TEdit(&w, c.id, ShownText(w.Weapon.*c.member.text), c.x, c.y, c.w, c.h, c.limit + 1);
  if (auto validator = MakeValidator(c.rule)) edit->SetValidator(std::move(validator));
  edit->Create();
  edit->SetUserChangeHandler([&w] { w.save = 0; });
  EditSlot(w, c.slot) = edit;
}

// The text of the list's member that no entry holds (a mod's own model,
// sound or explosion art), or nullptr when the member has none.
const std::string* OwnTextShown(TMachines& w, const PageControl& c) {
  const std::string* own = OwnText(w.Weapon, c.member.number);
  return own && !own->empty() ? own : nullptr;
}

void BuildList(TMachines& w, const PageControl& c) {
  auto* list = new TComboBox(&w, c.id, c.x, c.y, c.w, c.h);
  list->Create();
  for (std::size_t position = 0; position < c.entries.size(); ++position) {
    list->InsertString(c.entries[position], static_cast<int>(position));
  }
  if (const std::string* own = OwnTextShown(w, c)) {
    // Shown as it is spelled in the script, as an extra entry after the list's own.
    const int extra = static_cast<int>(c.entries.size());
    list->InsertString(*own, extra);
    list->SetSelIndex(extra);
  } else {
    list->SetSelIndex(w.Weapon.*c.member.number);
  }
  ListSlot(w, c.slot) = list;
}

// Stores the list's selected position; the extra entry of an own text keeps
// that text, any other entry replaces it.
void CollectList(TMachines& w, const PageControl& c) {
  // A list showing no selection keeps its member: only a position the user
  // can see is stored.
  const int selected = ListSlot(w, c.slot)->GetSelIndex();
  if (selected < 0) return;
  if (OwnTextShown(w, c) && selected == static_cast<int>(c.entries.size())) return;
  w.Weapon.*c.member.number = selected;
  if (std::string* own = OwnText(w.Weapon, c.member.number)) own->clear();
}

void BuildCheckBox(TMachines& w, const PageControl& c) {
  auto* box = new TCheckBox(&w, c.id, c.labelText, c.x, c.y, c.w, c.h);
  box->Create();
  box->SetCheck(w.Weapon.*c.member.number == 1 ? BF_CHECKED : BF_UNCHECKED);
  box->SetUserChangeHandler([&w] { w.save = 0; });
  w.Check1 = box;
}

const PageControl& ControlInSlot(const PageDescription& page, Slot slot) {
  return *std::find_if(page.controls.begin(), page.controls.end(),
                       [slot](const PageControl& c) { return c.slot == slot; });
}

void CollectControl(TMachines& w, const PageControl& c) {
  switch (c.collect) {
    case CollectForm::Text:
      if (c.rule.kind == EditRule::Decimal) {
        CollectNumberText(w.Weapon.*c.member.text, EditSlot(w, c.slot)->GetText());
      } else {
        CollectEditText(w.Weapon.*c.member.text, EditSlot(w, c.slot)->GetText());
      }
      break;
    case CollectForm::DirectList:
    case CollectForm::MappedList:
      CollectList(w, c);
      break;
    case CollectForm::Check: {
      int& member = w.Weapon.*c.member.number;
      const bool checked = w.Check1->SendMessage(BM_GETCHECK) == BF_CHECKED;
      if (checked != (member == 1)) member = checked ? 1 : 0;
      break;
    }
  }
}

}  // namespace

void BuildPage(TMachines& w, const PageDescription& page) {
  w.CurHelp->SetText(page.curHelp);
  for (const PageControl& c : page.controls) {
    if (c.label != LabelLine::None) LabelStatic(w, c.label)->SetText(c.labelText);
    switch (c.kind) {
      case ControlKind::Edit:
        BuildEdit(w, c);
        break;
      case ControlKind::DropDownList:
        BuildList(w, c);
        break;
      case ControlKind::CheckBox:
        BuildCheckBox(w, c);
        break;
    }
  }
  for (const PageNote& note : page.notes) LabelStatic(w, note.line)->SetText(note.text);
  w.Box = 1;
}

void CollectPage(TMachines& w, const PageDescription& page) {
  for (const Slot slot : page.collectOrder) CollectControl(w, ControlInSlot(page, slot));
}

}  // namespace kalvex
