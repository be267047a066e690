#pragma once

#include <string>
#include <vector>

#include "grid/test_case.h"

/// Reads and validates the whole input file into `testCases`, one record per test case in
/// file order; throws EAssertion at the first fault.
void readInputFile(const std::string& path, std::vector<TestCase>& testCases);
