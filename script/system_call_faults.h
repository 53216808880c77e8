// The seam through which a test makes the system calls of the save and load
// code fail. Every such call is made through a wrapper of posix_calls.h or
// windows_calls.h, which first asks the armed plan, if any, whether this call
// is to fail and with which error (an errno or GetLastError value); the call
// then is not made (a close is, as the system closes even when it reports a
// failure). Unarmed, a wrapper costs one test of a pointer and the call is
// made as it stands.
#pragma once

namespace kalvex::system_calls {

class FaultPlan {
 public:
  virtual ~FaultPlan() = default;
  // The error with which this call of the function `name` fails, or 0 to
  // make the call.
  virtual int ErrorFor(const char* name) = 0;
};

// The plan of the running test; none outside tests. Tests arm it on the one
// thread that saves and loads.
inline FaultPlan* armed_plan = nullptr;

// The error that the call of `name` is to fail with, or 0.
inline int InjectedError(const char* name) {
  if (armed_plan == nullptr) [[likely]] {
    return 0;
  }
  return armed_plan->ErrorFor(name);
}

}  // namespace kalvex::system_calls
