#pragma once

#include <string>
#include <vector>

#include "standings/changes.h"
#include "standings/standings.h"

// standings.json: the standings, every file's result and the changes since an earlier run, as
// one JSON document; the standings page holds the same document. Texts are strings as the
// diagnosis writes them (a message's bytes from 128 up as the characters of the same codes, a
// path as it is where it is UTF-8), scores and fractions numbers as the CSV files write them.
//
//   {"testCases": T, "better": "higher"|"lower", "policy": "best"|"last",
//    "best": [count or null, ...],
//    "standings": [{"rank", "contestant", "file", "result" (the index of the file in
//                   "results"), "score", "fractions": [...]}, ...],
//    "results": [{"file", "contestant", "verdict", "check" (or null), "message" (or null),
//                 "total" (or null), "counts": [count or null, ...],
//                 "blocks": [the position of each test case's first block, or null]}, ...],
//    "changes": null | {"earlier": OLD_DIR, "list": [{"change", "contestant" (or null),
//                       "testCase" (or null), "old", "new"}, ...]}}

/// The changes since an earlier run, and its folder.
struct ComparedRun {
  /// The earlier run's folder, as named.
  std::string earlierDir;
  /// What changed.
  std::vector<Change> changes;
};

/// The document; `compared` is null without --compare.
std::string standingsJson(const Standings& standings, const ComparedRun* compared);
