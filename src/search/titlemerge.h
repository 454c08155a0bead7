#pragma once

#include "titlelist.h"

#include "library/database.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kelvor {

// Merges title rows that several statements deliver, each already ordered by
// (namekey, name, xxbh): the statements' columns are namekey, name, xxbh.
// Equal title and code from two sources are listed once, as the union of the
// listing queries would. `tick` runs every few thousand rows.
// With `limit`, stops after that many titles and stores where the last one
// lies in the order in `last`.
TitleList mergeOrderedTitles(std::vector<Statement>& sources, const std::function<void()>& tick = {},
                             size_t limit = SIZE_MAX, std::optional<TitleKey>* last = nullptr);

// The columns and order every source of mergeOrderedTitles() must have.
inline constexpr const char* kTitleColumns = "namekey, name, xxbh";
inline constexpr const char* kTitleOrder = " order by namekey, name, xxbh";

}  // namespace kelvor
