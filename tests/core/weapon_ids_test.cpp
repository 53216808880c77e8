#include "tools/kalvex_tdf/weapon_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kalvex::tdf {

static void PrintTo(const SharedWeaponId& shared, std::ostream* out) {
  *out << shared.id << ":";
  for (const WeaponIdUse& use : shared.uses) *out << " " << use.file << ":" << use.line;
}

namespace {

struct NotedId {
  std::string file;
  std::string identity;
  std::string id;
  std::size_t line = 1;
};

struct SharedCase {
  const char* name;
  std::vector<NotedId> noted;
  std::vector<SharedWeaponId> shared;
};

TEST(WeaponIds, FindsIdsThatMoreThanOneScriptUses) {
  const SharedCase kCases[] = {
      {"all different", {{"a", "A", "1"}, {"b", "B", "2"}}, {}},
      {"two share", {{"a", "A", "1", 3}, {"b", "B", "1", 9}}, {{"1", {{"a", 3}, {"b", 9}}}}},
      {"blanks around are dropped",
       {{"a", "A", "91"}, {"b", "B", " \t91 "}, {"c", "C", "91\v"}},
       {{"91", {{"a", 1}, {"b", 1}, {"c", 1}}}}},
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
       {{"2", {{"a", 1}, {"d", 1}}}, {"1", {{"b", 1}, {"c", 1}}}}},
  };
  for (const SharedCase& c : kCases) {
    SCOPED_TRACE(c.name);
    WeaponIdRegister ids;
    for (const NotedId& noted : c.noted) ids.Add(noted.file, noted.identity, noted.id, noted.line);
    EXPECT_EQ(ids.SharedIds(), c.shared);
  }
}

// Thousands of scripts with one ID: one shared ID with every use, not one
// entry per pair of scripts.
TEST(WeaponIds, OneIdSharedByManyScriptsIsToldOnce) {
  WeaponIdRegister ids;
  for (int i = 0; i < 3000; ++i) {
    const std::string file = "w" + std::to_string(i).append(".tdf");
    ids.Add(file, file, "91", 4);
  }
  const std::vector<SharedWeaponId> shared = ids.SharedIds();
  ASSERT_EQ(shared.size(), 1u);
  EXPECT_EQ(shared[0].uses.size(), 3000u);
  EXPECT_EQ(shared[0].uses.back(), (WeaponIdUse{"w2999.tdf", 4}));
}

}  // namespace
}  // namespace kalvex::tdf
