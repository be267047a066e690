#include "judge/grid_diagnosis.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/exhaustive.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"

namespace {

/// The kept faults as bruteForceFaults writes them, then "of <total>", or "ok <near pairs>".
std::string describe(const GridDiagnosis& diagnosis, const TestCase& testCase) {
  const FaultList& faults = diagnosis.faults;
  if (faults.total() == 0) return "ok " + std::to_string(diagnosis.nearPairs);
  std::string text;
  for (const CellFault& fault : faults.kept()) {
    text.append(faultKindName(fault.kind)).append(": ").append(faultMessage(fault, testCase));
    text.append("\n");
  }
  return text + "of " + std::to_string(faults.total());
}

/// What the brute force says, kept as describe() writes it: the first `limit` faults.
std::string expected(const Rows& input, const Rows& candidate, const TestCase& testCase,
                     std::size_t limit) {
  const std::vector<std::string> faults =
      bruteForceFaults(input, candidate, testCase.d, testCase.b, testCase.c);
  if (faults.empty())
    return bruteForceVerdict(input, candidate, testCase.d, testCase.b, testCase.c);
  std::string text;
  for (std::size_t k = 0; k < faults.size() && k < limit; ++k) text += faults[k] + "\n";
  return text + "of " + std::to_string(faults.size());
}

/// Diagnoses on every path and checks the result against the brute force, the counts by
/// kind against the list, and the first fault against checkGrid's message.
void expectDiagnosis(const Rows& input, const Rows& candidate, const TestCase& testCase,
                     std::size_t limit) {
  const Grid grid = gridOverBlack(candidate);
  const std::string want = expected(input, candidate, testCase, limit);
  const std::string checked = checkVerdict(testCase, grid);
  for (const CodePath path : availableCodePaths()) {
    const GridDiagnosis diagnosis = diagnoseGrid(testCase, grid, limit, path);
    ASSERT_EQ(describe(diagnosis, testCase), want) << "path " << static_cast<int>(path);
    int64_t byKind = 0;
    for (const FaultKindEntry& entry : FaultKinds) byKind += diagnosis.faults.count(entry.kind);
    ASSERT_EQ(byKind, diagnosis.faults.total());
    const std::string first = diagnosis.faults.total() == 0
                                  ? "ok " + std::to_string(diagnosis.nearPairs)
                                  : faultMessage(diagnosis.faults.kept().front(), testCase);
    ASSERT_EQ(first, checked);
  }
}

TEST(DiagnoseGrid, EveryPairOfGridsUpToTwoByTwoWithOneInvalidByte) {
  for (int32_t n = 1; n <= 2; ++n) {
    for (int64_t pair = 0; pair < gridPairCount(n); ++pair) {
      const auto [input, candidate] = gridPairNumbered(pair, n);
      const TestCase testCase =
          testCaseOf(input, 1 + static_cast<int32_t>(pair % n), 1 + static_cast<int32_t>(pair % 2),
                     1 + static_cast<int32_t>(pair % 3));
      expectDiagnosis(input, candidate, testCase, 3);
    }
  }
}

TEST(DiagnoseGrid, RandomGridsAcrossWordBoundariesKeepTheFirstFaultsInOrder) {
  std::mt19937 random(17);
  auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  for (int round = 0; round < 120; ++round) {
    const int32_t n = LayoutWidths[round % 18];
    Rows input(n, std::string(n, '.'));
    for (std::string& row : input) {
      for (char& cell : row) cell = "R#.........."[pick(0, 11)];
    }
    // A few cells changed at random: painted black, or any fault at all.
    Rows candidate = input;
    const int32_t changes = pick(0, n * n / 8);
    for (int32_t k = 0; k < changes; ++k) {
      candidate[pick(0, n - 1)][pick(0, n - 1)] = "##R.x"[pick(0, round % 3 == 0 ? 1 : 4)];
    }
    const int32_t d = pick(1, std::min(n, 4));
    const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
    const TestCase testCase = testCaseOf(input, d, pick(1, std::min(full, 5)), pick(1, full), 1);
    expectDiagnosis(input, candidate, testCase, static_cast<std::size_t>(pick(1, 40)));
  }
}

TEST(DiagnoseGrid, ACellBreakingSeveralRulesIsListedOncePerKind) {
  // The red corner painted black has no white cell around it and two black ones, like the
  // other black cells.
  const TestCase testCase = testCaseOf({"R#", "#R"}, 1, 1, 1);
  const GridDiagnosis diagnosis =
      diagnoseGrid(testCase, gridOf({"##", "#R"}), 10, fastestCodePath());
  EXPECT_EQ(describe(diagnosis, testCase),
            "redChanged: 1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa crno\n"
            "tooFewWhite: 1. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je "
            "manj kot b = 1\n"
            "tooFewWhite: 2. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je "
            "manj kot b = 1\n"
            "tooFewWhite: 1. polje v 2. vrstici je crno in ima 0 bliznjih belih polj, kar je "
            "manj kot b = 1\n"
            "tooManyBlack: 1. polje v 1. vrstici je crno in ima 2 bliznjih crnih polj, kar je "
            "vec kot c = 1\n"
            "tooManyBlack: 2. polje v 1. vrstici je crno in ima 2 bliznjih crnih polj, kar je "
            "vec kot c = 1\n"
            "tooManyBlack: 1. polje v 2. vrstici je crno in ima 2 bliznjih crnih polj, kar je "
            "vec kot c = 1\n"
            "of 7");
}

}  // namespace
