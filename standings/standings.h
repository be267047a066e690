#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/score.h"
#include "standings/judged_file.h"
#include "standings/rank_call.h"
#include "standings/submission_files.h"

// The standings: the best count of each test case over every accepted submission, each file's
// relative score against them, one file chosen per contestant, and the contestants ranked.

/// One contestant's row of the standings.
struct Standing {
  /// 1 + the number of contestants whose score, as written, is higher.
  int64_t rank = 0;
  /// The contestant as written: the six digits, or the path of a file without them.
  std::string contestant;
  /// The chosen file: its index among the judged files.
  std::size_t file = 0;
  /// The chosen file's relative score, the mean of its fractions, 0 to 1.
  double score = 0;
  /// 100 × the score, as the programs write it (decimalText).
  std::string scoreText;
  /// The chosen file's fraction of each test case, indexed by test case number - 1.
  std::vector<double> fractions;
};

/// The standings of one run.
struct Standings {
  /// The number of test cases of the input file.
  int32_t testCaseCount = 0;
  /// Which counts are better.
  Better better = Better::Higher;
  /// How each contestant's file was chosen.
  Policy policy = Policy::Best;
  /// Every judged file, in the order listed.
  std::vector<JudgedFile> files;
  /// The best count of each test case over the accepted files; empty where none answers it.
  CountsByTestCase best;
  /// One row per contestant, by rank; equal ranks in the byte order of the contestants.
  std::vector<Standing> rows;
};

/// The standings of the judged `files`, listed as `listed` says, for an input file of
/// `testCaseCount` test cases.
Standings rankFiles(std::vector<JudgedFile> files, const std::vector<SubmissionFile>& listed,
                    int32_t testCaseCount, Better better, Policy policy);

/// A path as the standings write it: UTF-8 where its bytes are, else one character a byte.
std::string pathText(std::string_view path);

/// The contestant of a file as the standings write it: its six digits, or its path where line 1
/// holds none.
std::string contestantText(const JudgedFile& file);

/// Whether the score written as `a` is higher than the one written as `b` (both decimalText).
bool writtenHigher(std::string_view a, std::string_view b);
