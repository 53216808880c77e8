// The cases run for each of the nineteen pages, and for each page with an
// edit or a drop-down list, instantiated in page_cases.cpp: the page number
// is the parameter.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "tests/window/page_expectations.h"
#include "tests/window/window_case.h"

namespace kalvex::test {

inline constexpr int kPages = 19;

class PageCase : public WindowCase, public ::testing::WithParamInterface<int> {
 protected:
  int PageNumber() const { return GetParam(); }
  const ExpectedPage& Expected() const { return kExpectedPages[std::size_t(GetParam())]; }
  // The page after this one in the page list, the first after the last: a
  // click there leaves this page.
  int NextPage() const { return (GetParam() + 1) % kPages; }
};

class EditPageCase : public PageCase {};
class ListPageCase : public PageCase {};

// The pages that have a control of that kind.
std::vector<int> PagesWith(std::string_view kind);
// "13_Explosion_GAF_ART"
std::string PageCaseName(const ::testing::TestParamInfo<int>& info);

}  // namespace kalvex::test
