// Plans for the seam of script/system_call_faults.h: which system calls of
// the save and load code fail, and with which error. A plan is armed for as
// long as it lives.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "script/system_call_faults.h"

namespace kalvex::test {

class ArmedPlan : public system_calls::FaultPlan {
 public:
  ArmedPlan() { system_calls::armed_plan = this; }
  ~ArmedPlan() override { system_calls::armed_plan = nullptr; }
  ArmedPlan(const ArmedPlan&) = delete;
  ArmedPlan& operator=(const ArmedPlan&) = delete;

  void Disarm() { system_calls::armed_plan = nullptr; }
};

// The `fail_at`th call (counted from 1) fails with `error`, and with
// `persistent` every later call too; besides, the first call of the name
// `refused`, if given, fails with `refused_error`. Records the names of the
// calls made.
class CallFaults : public ArmedPlan {
 public:
  CallFaults(std::size_t fail_at, bool persistent, int error, const char* refused = nullptr,
             int refused_error = 0)
      : fail_at_(fail_at),
        persistent_(persistent),
        error_(error),
        refused_(refused),
        refused_error_(refused_error) {}

  int ErrorFor(const char* name) override {
    calls_.push_back(name);
    if (calls_.size() == fail_at_ || (persistent_ && calls_.size() > fail_at_)) {
      if (failed_.empty()) failed_ = name;
      return error_;
    }
    if (refused_ != nullptr && std::strcmp(name, refused_) == 0) {
      refused_ = nullptr;
      return refused_error_;
    }
    return 0;
  }

  // The name of the call that was failed at `fail_at`; empty when the
  // calls made were fewer.
  const std::string& failed() const { return failed_; }

  // The names of the calls made, in order, joined by blanks.
  std::string calls() const {
    std::string joined;
    for (const std::string& call : calls_) joined += (joined.empty() ? "" : " ") + call;
    return joined;
  }

 private:
  std::size_t fail_at_;
  bool persistent_;
  int error_;
  const char* refused_;
  int refused_error_;
  std::string failed_;
  std::vector<std::string> calls_;
};

// The `nth` call (counted from 1) of the name `name` fails with `error`.
class NamedCallFault : public ArmedPlan {
 public:
  NamedCallFault(const char* name, int nth, int error) : name_(name), left_(nth), error_(error) {}

  int ErrorFor(const char* name) override {
    return std::strcmp(name, name_) == 0 && --left_ == 0 ? error_ : 0;
  }

 private:
  const char* name_;
  int left_;
  int error_;
};

}  // namespace kalvex::test
