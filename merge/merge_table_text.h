#pragma once

#include <string>

#include "merge/merge_plan.h"

/// The table of choices as the contestant reads it, lines ending in a line feed: a row per
/// test case (its near-pair count, the file and the header line of the block chosen, or "-"),
/// the test cases that no file answers validly, each file's blocks and the fault that ended
/// its reading, and the contestant number kept and those that differ from it.
std::string mergeTableText(const MergeTable& table);
