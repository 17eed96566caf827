// Reading the task file for a command of pelvano-judge, where a task that cannot be read
// or fails its checks is the jury's error.
#pragma once

#include <ostream>
#include <string>

#include "evaluation/evaluation.h"

namespace pelvano::judge {

// Reads and checks the task at `path`. Unless it passed, one line on `err` says why: the
// system's reason when it cannot be read, or the report's failure line.
TaskReading loadTask(const std::string& path, std::ostream& err);

}  // namespace pelvano::judge
