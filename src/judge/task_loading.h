// Reading the task file for a command of pelvano-judge, where a task that cannot be read
// or fails its checks is the jury's error.
#pragma once

#include <ostream>
#include <string>

#include "evaluation/evaluation.h"

namespace pelvano::judge {

// Reads and checks the task at `path`. Unless it passed, `reason` says why in one line that
// names the file: the system's reason when it cannot be read, or the report's failure line.
TaskReading loadTask(const std::string& path, std::string& reason);

// The same, telling the reason on `err` as pelvano-judge does.
TaskReading loadTask(const std::string& path, std::ostream& err);

}  // namespace pelvano::judge
