#pragma once

#include "titlelist.h"

#include "library/database.h"

#include <functional>
#include <vector>

namespace kelvor {

// Merges title rows that several statements deliver, each already ordered by
// (namekey, name, xxbh): the statements' columns are namekey, name, xxbh.
// Equal title and code from two sources are listed once, as the union of the
// listing queries would. `tick` runs every few thousand rows.
TitleList mergeOrderedTitles(std::vector<Statement>& sources, const std::function<void()>& tick = {});

// The columns and order every source of mergeOrderedTitles() must have.
inline constexpr const char* kTitleColumns = "namekey, name, xxbh";
inline constexpr const char* kTitleOrder = " order by namekey, name, xxbh";

}  // namespace kelvor
