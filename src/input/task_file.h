// Reads and checks the whole task file.
#pragma once

#include <vector>

#include "input/line_source.h"
#include "input/test_case.h"

namespace pelvano {

// The task's test cases in file order; case k stands at position k - 1. Lines after the
// last case are not read.
std::vector<TestCase> readTaskFile(LineSource& file);

}  // namespace pelvano
