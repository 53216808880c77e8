// The main window as the window cases drive it: it records every command and
// child notification that reaches its response table, handled there or not,
// so that a case sees what the controls it adds send.
#pragma once

#include <vector>

#include "app/kalvex.h"

namespace kalvex::test {

struct SeenEvent {
  TEventKind kind;
  int id;
  int notifyCode = 0;  // only for child notifications
  bool operator==(const SeenEvent&) const = default;
};

class RecordingWindow : public TMachines {
 public:
  RecordingWindow();
  bool Find(TEventInfo& info) override;
  // The selection changes of the page list and the pages' lists that
  // reached it: each runs the page switch.
  int PageSwitches() const;

  std::vector<SeenEvent> Events;
};

}  // namespace kalvex::test
