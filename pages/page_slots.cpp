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
  switch (slot) {
    case Slot::Enter2:
      return w.Enter2;
    case Slot::Enter3:
      return w.Enter3;
    case Slot::Enter4:
      return w.Enter4;
    default:
      return w.Enter;
  }
}

TComboBox*& ListSlot(TMachines& w, Slot slot) {
  switch (slot) {
    case Slot::ComboBox2:
      return w.ComboBox2;
    case Slot::ComboBox3:
      return w.ComboBox3;
    case Slot::ComboBox4:
      return w.ComboBox4;
    case Slot::ComboBox5:
      return w.ComboBox5;
    case Slot::ComboBox6:
      return w.ComboBox6;
    default:
      return w.ComboBox1;
  }
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
