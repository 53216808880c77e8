#include "tools/kalvex_tdf/json_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace kalvex::tdf {
namespace {

using namespace std::string_view_literals;

TEST(JsonText, AnyBytesGiveOneLineOfValidJson) {
  const std::pair<std::string, std::string> kCases[] = {
      {"", R"("")"},
      {"rocket.tdf", R"("rocket.tdf")"},
      {"a \"b\" \\c", R"("a \"b\" \\c")"},
      {std::string("nul\0cr\rlf\n\ttab\x1B\x7F"sv),
       R"("nul\u0000cr\u000Dlf\u000A\u0009tab\u001B\u007F")"},
      // Well-formed UTF-8 of two, three and four bytes stays.
      {"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x94\xA5", "\"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x94\xA5\""},
      // Bytes that are not: as Latin-1.
      {"caf\xE9", R"("caf\u00E9")"},
      {"\xC3", R"("\u00C3")"},                                // cut short at the end
      {"\xC3(", R"("\u00C3(")"},                              // no continuation byte
      {"\xC0\xAF", R"("\u00C0\u00AF")"},                      // overlong "/"
      {"\xE0\x80\xAF", R"("\u00E0\u0080\u00AF")"},            // overlong, three bytes
      {"\xED\xA0\x80", R"("\u00ED\u00A0\u0080")"},            // a surrogate
      {"\xF4\x90\x80\x80", R"("\u00F4\u0090\u0080\u0080")"},  // past U+10FFFF
      {"\xF0\x80\x80\x80", R"("\u00F0\u0080\u0080\u0080")"},  // overlong, four bytes
      {"\xF1\x80\x80\x80", "\"\xF1\x80\x80\x80\""},           // U+40000
      {"\xE2\x82", R"("\u00E2\u0082")"},                      // three-byte sequence cut short
      {"\xFF\xFE", R"("\u00FF\u00FE")"},
  };
  for (const auto& [bytes, json] : kCases) EXPECT_EQ(JsonString(bytes), json) << json;
}

}  // namespace
}  // namespace kalvex::tdf
