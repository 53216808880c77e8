// The main window of the window cases: the editor's own, recording every
// event that looks for a handler, as the platform delivered it.
#pragma once

#include <vector>

#include "app/kalvex.h"
#include "pages/control_ids.h"

namespace kalvex::test {

struct SeenEvent {
  TEventKind Kind;
  int Id;
  int NotifyCode;
  bool operator==(const SeenEvent&) const = default;
};

class EditorWindow : public TMachines {
 public:
  EditorWindow() : TMachines("Cindervale Weapon Editor") {}

  bool Find(TEventInfo& info) override {
    Events.push_back({info.Kind, info.Id, info.NotifyCode});
    return TMachines::Find(info);
  }

  // The selection changes of the page list and the pages' lists: each
  // runs the page switch.
  int PageSwitches() const {
    int switches = 0;
    for (const SeenEvent& event : Events) {
      switches += event == SeenEvent{TEventKind::ChildNotify, ID_SIMPLE_COMBOBOX, CBN_SELCHANGE};
    }
    return switches;
  }

  std::vector<SeenEvent> Events;
};

}  // namespace kalvex::test
