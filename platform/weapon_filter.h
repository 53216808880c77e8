// The filter box of the weapon-choosing dialog: which rows a text shows and
// which row stays highlighted, the same on every implementation.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/weapon_dialog.h"

// Whether `filter` shows `row`: its code or its name holds the filter's
// text, ASCII letters of either case alike. Both are UTF-8 and compared
// byte for byte otherwise; an empty filter shows every row.
bool FilterShows(std::string_view filter, const TWeaponRow& row);

// The indices of the rows that `filter` shows, in order.
std::vector<std::size_t> RowsShown(std::string_view filter, const std::vector<TWeaponRow>& rows);

// The row to highlight among the rows `shown`: `highlighted` while it is one
// of them, else the first of them; nothing when none is shown.
std::optional<std::size_t> HighlightAmong(const std::vector<std::size_t>& shown,
                                          std::optional<std::size_t> highlighted);
