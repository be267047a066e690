#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/outcome.h"
#include "grid/test_case.h"
#include "readers/submission.h"
#include "textio/line_reader.h"
#include "textio/text_file.h"

// The evaluation: the input file read whole, then the submission read and judged block by
// block with the grid check, ending at the first failed check.

/// Reads and judges the whole submission from its first line: one result per block, in
/// submission order; throws EAssertion at the first failed check.
std::vector<TestResult> readSubmission(LineReader& reader, const std::vector<TestCase>& testCases);

/// Reads the next block of `submission` into `block` and judges its rows with the grid check,
/// filling `result`; a refused block fails with check 221. False once the file has ended.
bool readSubmittedGrid(SubmittedGrid& block, SubmissionReader& submission, TestResult& result);

/// Reads the input file into `testCases`; the outcome of its fault, or nothing when it has
/// none.
std::optional<Outcome> readInputOrFault(const std::string& inputPath,
                                        std::vector<TestCase>& testCases);

/// Judges the submission that `submission` reads from its first line against the test cases
/// of a sound input file: accepted, refused, or an unexpected failure.
Outcome judgeSubmission(TextFile& submission, const std::vector<TestCase>& testCases);

/// judgeSubmission of the file at `submissionPath` (a missing file reads as empty).
Outcome judgeSubmission(const std::string& submissionPath, const std::vector<TestCase>& testCases);

/// The whole evaluation of `mrezovnik eval`: the input file, then the submission, which is
/// not opened when the input file has a fault.
Outcome evaluateFiles(const std::string& inputPath, const std::string& submissionPath);
