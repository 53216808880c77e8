#include "app/edit_history.h"

#include <utility>

namespace kalvex {

void EditHistory::Add(WeaponsChange change) {
  changes_.resize(done_);
  changes_.push_back(std::move(change));
  done_ = changes_.size();
}

const WeaponsChange* EditHistory::NextUndo() const {
  return done_ == 0 ? nullptr : &changes_[done_ - 1];
}

const WeaponsChange* EditHistory::NextRedo() const {
  return done_ == changes_.size() ? nullptr : &changes_[done_];
}

void EditHistory::StepBack() {
  if (done_ > 0) --done_;
}

void EditHistory::StepForward() {
  if (done_ < changes_.size()) ++done_;
}

void EditHistory::Clear() {
  changes_.clear();
  done_ = 0;
}

}  // namespace kalvex
