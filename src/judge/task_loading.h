// Reading the task file for a command of pelvano-judge, where a task that cannot be read
// or fails its checks is the jury's error.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "contest/known_bests.h"
#include "evaluation/evaluation.h"

namespace pelvano::judge {

// Reads and checks the task at `path`. Unless it passed, `reason` says why in one line that
// names the file: the system's reason when it cannot be read, or the report's failure line.
TaskReading loadTask(const std::string& path, std::string& reason);

// The same, telling the reason on `err` as pelvano-judge does.
TaskReading loadTask(const std::string& path, std::ostream& err);

// The known bests of the table at `path` (none when `path` is empty); nothing, after a message
// on `err`, when it cannot be read or is no table of bests.
std::optional<contest::KnownBests> loadReference(const std::string& path, std::ostream& err);

}  // namespace pelvano::judge
