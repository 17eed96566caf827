// The task's fixed numbers: its name and the limits the task file and the submission keep.
#pragma once

#include <cstdint>
#include <string_view>

namespace pelvano {

// Line 1 of the task file and line 2 of the submission.
inline constexpr std::string_view kTaskName = "Tolvarustepnik";

// Line 1 of the submission: the contestant's number, exactly this many bytes.
inline constexpr std::int32_t kContestantLength = 6;

// A grid's width and height: 1 to 300.
inline constexpr std::int32_t kMaxSide = 300;
// A cell's population: 0 to 1000000; a case's populations together: at most 2000000000.
inline constexpr std::int32_t kMaxPopulation = 1000000;
inline constexpr std::int64_t kMaxTotalPopulation = 2000000000;
// A label: 0 to 999999999.
inline constexpr std::int32_t kMaxLabel = 999999999;

}  // namespace pelvano
