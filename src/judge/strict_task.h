// The strict form of a task file, which `check-task --strict` holds a jury's file to on top of
// every check of the task file. The evaluator reads more than this form (any white space
// between numbers, leading zeros, CR LF line ends, words after a line's numbers, anything
// after the last case); a jury's file should hold none of it:
//
//   task file  = "Tolvarustepnik" LF, count LF, count cases, and nothing after them
//   case       = LF, number " " w " " h " " d LF, h rows of w numbers
//   row        = number, then " " number for each further one, LF
//   number     = "0", or a digit from 1 to 9 followed by digits
#pragma once

#include <string>
#include <string_view>

#include "readers/task_file.h"

namespace pelvano::judge {

// Empty when `bytes`, a task file that passed every check and was read as `task`, has the
// strict form; otherwise one line that names the first line not in it and says what is wrong.
std::string strictFormFault(std::string_view bytes, const Task& task);

}  // namespace pelvano::judge
