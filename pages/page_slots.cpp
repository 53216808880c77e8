#include "pages/page_slots.h"

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

TEdit*& EditSlot(TMachines& w, Slot slot) {
  static constexpr TEdit* TMachines::*kEdits[] = {&TMachines::Enter, &TMachines::Enter2,
                                                  &TMachines::Enter3, &TMachines::Enter4};
  return w.*kEdits[static_cast<int>(slot) - static_cast<int>(Slot::Enter)];
}

TComboBox*& ListSlot(TMachines& w, Slot slot) {
  static constexpr TComboBox* TMachines::*kLists[] = {&TMachines::ComboBox1, &TMachines::ComboBox2,
                                                      &TMachines::ComboBox3, &TMachines::ComboBox4,
                                                      &TMachines::ComboBox5, &TMachines::ComboBox6};
  return w.*kLists[static_cast<int>(slot) - static_cast<int>(Slot::ComboBox1)];
}

TStatic* LabelStatic(TMachines& w, LabelLine line) {
  const std::array<TStatic*, 7> lines = {nullptr,     w.HelpDesc,  w.HelpDesc2, w.HelpDesc3,
                                         w.HelpDesc4, w.HelpDesc5, w.HelpDesc6};
  return lines[static_cast<std::size_t>(line)];
}

void BlankLabelLines(TMachines& w) {
  for (TStatic* line :
       {w.HelpDesc, w.HelpDesc2, w.HelpDesc3, w.HelpDesc4, w.HelpDesc5, w.HelpDesc6}) {
    line->SetText(" ");
  }
}

void DestroyPageControls(TMachines& w) {
  for (TEdit** edit : {&w.Enter, &w.Enter2, &w.Enter3, &w.Enter4, &w.Enter5}) {
    DestroyAndRelease(*edit);
  }
  DestroyAndRelease(w.Check1);
  for (TComboBox** list :
       {&w.ComboBox1, &w.ComboBox2, &w.ComboBox3, &w.ComboBox4, &w.ComboBox5, &w.ComboBox6}) {
    DestroyAndRelease(*list);
  }
}

}  // namespace kalvex
