// Lines of a file's bytes as the readers count them: each ends at its LF, the first is line 1.
// For the places that show or copy a submission's lines after it was judged.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelvano::contest {

// Lines `first` to `last`, each with its line feed as written (the file's last line may lack
// one); nothing when the file has no line `first`.
std::optional<std::string_view> fileLines(std::string_view bytes, std::int64_t first,
                                          std::int64_t last);

// Line `number` without its line end (LF, or CR LF); nothing when there is no such line.
std::optional<std::string_view> fileLine(std::string_view bytes, std::int64_t number);

}  // namespace pelvano::contest
