#include "tools/kalvex_tdf/weapon_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvex::tdf {

void PrintTo(const SharedWeaponId& shared, std::ostream* out) {
  *out << shared.id << ": " << testing::PrintToString(shared.files);
}

namespace {

struct NotedId {
  std::string file;
  std::string identity;
  std::string id;
};

struct SharedCase {
  const char* name;
  std::vector<NotedId> noted;
  std::vector<SharedWeaponId> shared;
};

TEST(WeaponIds, FindsIdsThatMoreThanOneScriptUses) {
  const SharedCase kCases[] = {
      {"all different", {{"a", "A", "1"}, {"b", "B", "2"}}, {}},
      {"two share", {{"a", "A", "1"}, {"b", "B", "1"}}, {{"1", {"a", "b"}}}},
      {"blanks around are dropped",
       {{"a", "A", "91"}, {"b", "B", " \t91 "}, {"c", "C", "91\v"}},
       {{"91", {"a", "b", "c"}}}},
      {"blanks inside count", {{"a", "A", "9 1"}, {"b", "B", "91"}}, {}},
      {"texts, not numbers", {{"a", "A", "091"}, {"b", "B", "91"}}, {}},
      {"reset and empty IDs are not noted",
       {{"a", "A", " "}, {"b", "B", " "}, {"c", "C", ""}, {"d", "D", "\t"}},
       {}},
      {"the same file twice is one script",
       {{"a", "A", "5"}, {"./a", "A", "5"}, {"b", "B", "6"}},
       {}},
      {"in the order first noted",
       {{"a", "A", "2"}, {"b", "B", "1"}, {"c", "C", "1"}, {"d", "D", "2"}},
       {{"2", {"a", "d"}}, {"1", {"b", "c"}}}},
  };
  for (const SharedCase& c : kCases) {
    SCOPED_TRACE(c.name);
    WeaponIdRegister ids;
    for (const NotedId& noted : c.noted) ids.Add(noted.file, noted.identity, noted.id);
    EXPECT_EQ(ids.SharedIds(), c.shared);
  }
}

}  // namespace
}  // namespace kalvex::tdf
