// An index of a fixed list of texts, built at compile time, that finds a text
// in any ASCII letter case. It is open addressing: a text's slot comes from
// its length and its first and last letters, so that a lookup compares whole
// texts only once or twice instead of walking the list.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "script/ascii_case.h"

namespace kalvex {

template <std::size_t Slots>
class TextIndex {
 public:
  // Indexes `count` texts, the i-th being `text_of(i)`; empty texts are left
  // out. Of equal texts the first is found.
  template <typename TextOf>
  constexpr TextIndex(std::size_t count, TextOf text_of) {
    slots_.fill(kFree);
    for (std::size_t i = 0; i < count; ++i) {
      const std::string_view text = text_of(i);
      if (text.empty()) continue;
      std::size_t slot = SlotOf(text);
      while (slots_[slot] != kFree) slot = (slot + 1) % Slots;
      slots_[slot] = static_cast<std::uint16_t>(i);
    }
  }

  // The place of `text` among the texts, letter case aside.
  template <typename TextOf>
  std::optional<std::size_t> Find(std::string_view text, TextOf text_of) const {
    if (text.empty()) return std::nullopt;
    for (std::size_t slot = SlotOf(text); slots_[slot] != kFree; slot = (slot + 1) % Slots) {
      if (EqualIgnoringCase(text_of(slots_[slot]), text)) return slots_[slot];
    }
    return std::nullopt;
  }

 private:
  static constexpr std::uint16_t kFree = 0xFFFF;

  static constexpr std::size_t SlotOf(std::string_view text) {
    return (text.size() * 37 + static_cast<unsigned char>(LowerAscii(text.front())) * 7 +
            static_cast<unsigned char>(LowerAscii(text.back()))) %
           Slots;
  }

  std::array<std::uint16_t, Slots> slots_{};
};

}  // namespace kalvex
