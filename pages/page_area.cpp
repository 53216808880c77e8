#include "pages/page_area.h"

#include <array>

namespace kalvex {
namespace {

template <class T>
void DestroyAndRelease(T*& control) {
  if (!control) return;
  control->Destroy();
  delete control;
  control = nullptr;
}

}  // namespace

TEdit*& EditSlot(PageArea& area, Slot slot) {
  static constexpr TEdit* PageArea::*kEdits[] = {&PageArea::Enter, &PageArea::Enter2,
                                                 &PageArea::Enter3, &PageArea::Enter4};
  return area.*kEdits[static_cast<int>(slot) - static_cast<int>(Slot::Enter)];
}

TComboBox*& ListSlot(PageArea& area, Slot slot) {
  static constexpr TComboBox* PageArea::*kLists[] = {&PageArea::ComboBox1, &PageArea::ComboBox2,
                                                     &PageArea::ComboBox3, &PageArea::ComboBox4,
                                                     &PageArea::ComboBox5, &PageArea::ComboBox6};
  return area.*kLists[static_cast<int>(slot) - static_cast<int>(Slot::ComboBox1)];
}

TStatic* LabelStatic(const PageArea& area, LabelLine line) {
  const std::array<TStatic*, 7> lines = {nullptr,        area.HelpDesc,  area.HelpDesc2,
                                         area.HelpDesc3, area.HelpDesc4, area.HelpDesc5,
                                         area.HelpDesc6};
  return lines[static_cast<std::size_t>(line)];
}

void BlankLabelLines(const PageArea& area) {
  for (TStatic* line : {area.HelpDesc, area.HelpDesc2, area.HelpDesc3, area.HelpDesc4,
                        area.HelpDesc5, area.HelpDesc6}) {
    line->SetText(" ");
  }
}

void DestroyPageControls(PageArea& area) {
  for (TEdit** edit : {&area.Enter, &area.Enter2, &area.Enter3, &area.Enter4, &area.Enter5}) {
    DestroyAndRelease(*edit);
  }
  DestroyAndRelease(area.Check1);
  for (TComboBox** list : {&area.ComboBox1, &area.ComboBox2, &area.ComboBox3, &area.ComboBox4,
                           &area.ComboBox5, &area.ComboBox6}) {
    DestroyAndRelease(*list);
  }
  DestroyAndRelease(area.EntryList);
  DestroyAndRelease(area.SetButton);
  DestroyAndRelease(area.RemoveButton);
}

}  // namespace kalvex
