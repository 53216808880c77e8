#include "platform/validators.h"

#include <algorithm>

#include "script/number_text.h"

TCharSet::TCharSet(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<unsigned char>(text[i]);
    if (i + 2 < text.size() && text[i + 1] == '-') {
      const auto last = static_cast<unsigned char>(text[i + 2]);
      for (unsigned c = first; c <= last; ++c) members_.set(c);
      i += 2;
    } else {
      members_.set(first);
    }
  }
}

TFilterValidator::TFilterValidator(const TCharSet& chars) : chars_(chars) {}

bool TFilterValidator::IsValidInput(std::string_view text) const {
  return std::ranges::all_of(text, [this](char c) { return chars_.Has(c); });
}

bool TDecimalValidator::IsValidInput(std::string_view text) const {
  return kalvex::StartsDecimalNumber(text);
}

TRangeValidator::TRangeValidator(int min, int max) : min_(min), max_(max) {}

bool TRangeValidator::IsValidInput(std::string_view text) const {
  if (text.empty()) return true;
  constexpr std::size_t kMostDigits = 10;  // any more cannot lie in an int range
  if (text.size() > kMostDigits || (text.size() > 1 && text.front() == '0')) return false;
  long long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (value > max_) return false;
  return value >= min_ || CanGrowIntoRange(value);
}

// True when typing more digits after `value` can give a number from min to max.
bool TRangeValidator::CanGrowIntoRange(long long value) const {
  if (value == 0) return false;  // digits after a leading zero are refused
  for (long long scale = 10; value * scale <= max_; scale *= 10) {
    if (value * scale + scale - 1 >= min_) return true;
  }
  return false;
}
