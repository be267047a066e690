#pragma once

#include <cstdio>
#include <string>

#include "merge/merge_plan.h"

// The merged submission, written from a plan: the same bytes on every platform and in the
// viewer, each line ending in a line feed.

/// Writes the merged submission of a plan without an input fault into `out` (opened in binary
/// mode): the table's contestant number, the task name, then for each test case in order that
/// has a chosen block, its number and its rows read again from its file. Each block is judged
/// again as it is read, so that nothing is written that the evaluator would refuse or count
/// otherwise: returns what went wrong when a chosen block no longer reads or judges as it did
/// (its file changed meanwhile), else "". The caller checks that the writes reached `out`.
std::string writeMergedSubmission(const MergePlan& plan, std::FILE* out);

/// The same, appended to `out`.
std::string writeMergedSubmission(const MergePlan& plan, std::string& out);
