#include <optional>

#include "app/kalvex.h"
#include "app/kalvex2.h"
#include "pages/page_builder.h"
#include "pages/page_slots.h"
#include "pages/page_table.h"

using kalvex::Pages;
using kalvex::Slot;

namespace {

constexpr Slot kListSlots[] = {Slot::ComboBox1, Slot::ComboBox2, Slot::ComboBox3,
                               Slot::ComboBox4, Slot::ComboBox5, Slot::ComboBox6};

// The drop-down list of the page that has the keyboard focus, if any.
std::optional<Slot> FocusedList(TMachines& w) {
  for (const Slot slot : kListSlots) {
    const TComboBox* list = kalvex::ListSlot(w, slot);
    if (list && list->HasFocus()) return slot;
  }
  return std::nullopt;
}

}  // namespace

void TMachines::CmSimple() {
  if (ComboBox) {
    ComboBox->Destroy();
    delete ComboBox;
  }
  ComboBox = new TListBox(this, ID_SIMPLE_COMBOBOX, 10, 30, 160, 150);
  ComboBox->Create();
  ComboBox->SetFocus();
  for (int page = 0; page < kalvex::kPageCount; ++page) {
    ComboBox->InsertString(Pages()[page].listEntry, page);
  }
  ComboBox->SetSelIndex(0);
}

void TMachines::EvCBNSelChange() {
  save = 0;
  // A choice in a drop-down list rebuilds its page; the new list takes the
  // focus back so that the keyboard goes on working in it.
  const std::optional<Slot> focused = FocusedList(*this);
  if (Box == 1) kalvex::CollectPage(*this, Pages()[indexx]);
  kalvex::BlankLabelLines(*this);
  kalvex::DestroyPageControls(*this);
  Box = 0;
  indexx = ComboBox ? ComboBox->GetSelIndex() : -1;
  if (indexx < 0 || indexx >= kalvex::kPageCount) return;
  kalvex::BuildPage(*this, Pages()[indexx]);
  if (focused) {
    if (TComboBox* list = kalvex::ListSlot(*this, *focused)) list->SetFocus();
  }
}
