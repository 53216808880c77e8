#include "tests/window/recording_window.h"

namespace kalvex::test {

RecordingWindow::RecordingWindow() : TMachines("Cindervale Weapon Editor") {}

bool RecordingWindow::Find(TEventInfo& info) {
  Events.push_back(
      {info.Kind, info.Id, info.Kind == TEventKind::ChildNotify ? info.NotifyCode : 0});
  return TMachines::Find(info);
}

}  // namespace kalvex::test
