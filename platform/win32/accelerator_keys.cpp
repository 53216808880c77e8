#include "platform/win32/accelerator_keys.h"

#include <charconv>

namespace {

std::optional<WORD> KeyCode(std::string_view key) {
  if (key.size() == 1) {
    const char c = key.front();
    if (c >= 'a' && c <= 'z') return WORD(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return WORD(c);
    return std::nullopt;
  }
  if (key == "PgUp") return WORD(VK_PRIOR);
  if (key == "PgDown") return WORD(VK_NEXT);
  int number = 0;
  if (key.size() < 2 || key.front() != 'F') return std::nullopt;
  const auto [end, error] = std::from_chars(key.data() + 1, key.data() + key.size(), number);
  if (error != std::errc{} || end != key.data() + key.size() || number < 1 || number > 12) {
    return std::nullopt;
  }
  return WORD(VK_F1 + number - 1);
}

}  // namespace

std::optional<ACCEL> AcceleratorFor(std::string_view keys, int id) {
  ACCEL accel{FVIRTKEY, 0, WORD(id)};
  for (std::size_t plus; (plus = keys.find('+')) != std::string_view::npos;) {
    const std::string_view modifier = keys.substr(0, plus);
    if (modifier == "Ctrl") {
      accel.fVirt |= FCONTROL;
    } else if (modifier == "Shift") {
      accel.fVirt |= FSHIFT;
    } else if (modifier == "Alt") {
      accel.fVirt |= FALT;
    } else {
      return std::nullopt;
    }
    keys.remove_prefix(plus + 1);
  }
  const std::optional<WORD> key = KeyCode(keys);
  if (!key) return std::nullopt;
  accel.key = *key;
  return accel;
}
