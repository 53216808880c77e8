// Response tables: a window lists, as data, which command or child
// notification runs which of its member functions.
#pragma once

#include <functional>
#include <span>

enum class TEventKind {
  Command,      // a menu command, identified by its command identifier
  ChildNotify,  // a notification code sent by the child control with that identifier
};

// One event looking for its handler. A successful search fills in `Handler`.
struct TEventInfo {
  TEventKind Kind;
  int Id;
  int NotifyCode = 0;
  std::function<void()> Handler;
};

template <class TWin>
struct TResponseTableEntry {
  TEventKind Kind;
  int Id;
  int NotifyCode;  // only for child notifications
  void (TWin::*Handler)();

  bool Matches(const TEventInfo& info) const {
    return Kind == info.Kind && Id == info.Id &&
           (Kind == TEventKind::Command || NotifyCode == info.NotifyCode);
  }
};

template <class TWin>
constexpr TResponseTableEntry<TWin> EvCommand(int id, void (TWin::*handler)()) {
  return {TEventKind::Command, id, 0, handler};
}

template <class TWin>
constexpr TResponseTableEntry<TWin> EvChildNotify(int id, int notifyCode, void (TWin::*handler)()) {
  return {TEventKind::ChildNotify, id, notifyCode, handler};
}

// Looks `info` up in `entries`, first match wins; on a match binds the
// entry's handler to `window` and returns true.
template <class TWin>
bool SearchEntries(TWin& window, std::span<const TResponseTableEntry<TWin>> entries,
                   TEventInfo& info) {
  for (const TResponseTableEntry<TWin>& entry : entries) {
    if (entry.Matches(info)) {
      info.Handler = [&window, handler = entry.Handler] { (window.*handler)(); };
      return true;
    }
  }
  return false;
}
