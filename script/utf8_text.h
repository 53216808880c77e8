// Texts shown to the user are UTF-8. A script's bytes are single-byte
// characters (Latin-1: byte n is U+00nn); a file name is whatever bytes the
// system gave, mostly UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvex {

// The length of the well-formed UTF-8 sequence of two or more bytes that
// begins `text`, or 0. Overlong forms, surrogates and values past U+10FFFF
// are not well-formed.
std::size_t Utf8SequenceLength(std::string_view text);

// Single-byte characters as UTF-8: every byte from 0x80 becomes two.
std::string Utf8FromLatin1(std::string_view bytes);

// Bytes that are mostly UTF-8, such as a file name, as UTF-8 for display:
// well-formed sequences stay, every other byte is read as Latin-1 (the 0xFC
// of an old archive's "g\xFCn.tdf" shows as "ü").
std::string Utf8ForDisplay(std::string_view bytes);

}  // namespace kalvex
