// Validators decide, keystroke by keystroke, which texts an edit accepts.
#pragma once

#include <bitset>
#include <string_view>

// A set of single-byte characters written as text: two characters joined by
// a hyphen stand for every character between them ("0-9", " 0-9.").
class TCharSet {
 public:
  explicit TCharSet(std::string_view text);

  bool Has(char c) const { return members_[static_cast<unsigned char>(c)]; }

 private:
  std::bitset<256> members_;
};

class TValidator {
 public:
  virtual ~TValidator() = default;
  // True when the edit may hold `text` while the user is typing.
  virtual bool IsValidInput(std::string_view text) const = 0;
};

// Accepts texts made only of the characters of a set.
class TFilterValidator : public TValidator {
 public:
  explicit TFilterValidator(const TCharSet& chars);
  bool IsValidInput(std::string_view text) const override;

 private:
  TCharSet chars_;
};

// Accepts a decimal number as scripts write it, an optional leading "-",
// digits and at most one point ("12", "-5", "0.367", ".5"), and while typing
// every start of one ("", "-", ".", "-.", "12."). A second point, a "-" after
// the start, a blank or any other character is refused.
class TDecimalValidator : public TValidator {
 public:
  bool IsValidInput(std::string_view text) const override;
};

// Accepts a whole number from `min` to `max` (both 0 or more), and while
// typing every start of one: digits without a leading zero whose value does
// not pass `max` and can still reach `min`. An empty text is accepted; a
// blank never is, since a numeric text ends at its first blank and what
// follows one would be lost.
class TRangeValidator : public TValidator {
 public:
  TRangeValidator(int min, int max);
  bool IsValidInput(std::string_view text) const override;

 private:
  bool CanGrowIntoRange(long long value) const;

  int min_;
  int max_;
};
