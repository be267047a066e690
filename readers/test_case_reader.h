#pragma once

#include <string>

#include "grid/test_case.h"
#include "textio/line_reader.h"

/// Reads and validates one test case block of the input file into `testCase` (given
/// empty): an empty line, the test case number, "n d b c" and n grid rows, and the grid
/// must pass the grid check against itself. `taskNameLine` is line 1 of the file. The
/// rows are read into `rows`, a buffer that the caller reuses from block to block, and the
/// record keeps their packed form. The number is not compared with the block's position
/// here. Throws EAssertion at the first fault.
void readTestCase(TestCase& testCase, LineReader& reader, const std::string& taskNameLine,
                  Grid& rows);
