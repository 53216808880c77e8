#include "tests/window/recording_window.h"

#include <algorithm>

#include "pages/control_ids.h"

namespace kalvex::test {

RecordingWindow::RecordingWindow() : TMachines("Cindervale Weapon Editor") {}

bool RecordingWindow::Find(TEventInfo& info) {
  Events.push_back(
      {info.Kind, info.Id, info.Kind == TEventKind::ChildNotify ? info.NotifyCode : 0});
  return TMachines::Find(info);
}

int RecordingWindow::PageSwitches() const {
  return int(std::ranges::count(
      Events, SeenEvent{TEventKind::ChildNotify, ID_SIMPLE_COMBOBOX, CBN_SELCHANGE}));
}

}  // namespace kalvex::test
