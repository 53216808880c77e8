#include "pages/edit_text.h"

#include "record/weapon_record.h"
#include "script/number_text.h"

namespace kalvex {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(" \t");
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

}  // namespace

std::string ShownText(std::string_view member) {
  return std::string(WithoutTrailingBlanks(member));
}

void CollectEditText(std::string& member, std::string_view edited) {
  if (edited == ShownText(member)) return;
  const std::string_view text = WithoutTrailingBlanks(edited);
  member = text.empty() ? std::string(kResetText) : std::string(text);
}

void CollectNumberText(std::string& member, std::string_view edited) {
  if (edited == ShownText(member)) return;
  const bool noDigitYet = StartsDecimalNumber(edited) && !IsDecimalNumber(edited);
  CollectEditText(member, noDigitYet ? std::string_view{} : edited);
}

}  // namespace kalvex
