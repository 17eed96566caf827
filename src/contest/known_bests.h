// Known bests of a task's cases, such as a jury's or those of an earlier batch's best.csv,
// read from a CSV table (the reference of `batch --reference`).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace pelvano::contest {

// Known bests by case number, such as a jury's.
using KnownBests = std::map<std::int32_t, std::int32_t>;

// The bests of a table with the columns `case` and `spread` (best.csv of an earlier batch, or
// a jury's own): rows with an empty spread are passed over. Nothing, with why in `error`,
// when the table is not such a one.
std::optional<KnownBests> parseKnownBests(std::string_view table, std::string& error);

}  // namespace pelvano::contest
