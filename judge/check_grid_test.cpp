#include "judge/check_grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/records.h"

namespace {

/// What checkGrid says: the message on failure, or "ok <nearPairs>" on success.
std::string verdict(const TestCase& testCase, const Rows& candidate) {
  std::string message;
  int64_t nearPairs = -1;
  if (checkGrid(testCase, gridOf(candidate), message, nearPairs)) {
    return "ok " + std::to_string(nearPairs);
  }
  return message;
}

struct GridCase {
  const char* what;
  Rows input;
  Rows candidate;
  int32_t d, b, c;
  std::string expected;
};

void expectVerdicts(const std::vector<GridCase>& cases) {
  for (const GridCase& c : cases) {
    EXPECT_EQ(verdict(testCaseOf(c.input, c.d, c.b, c.c), c.candidate), c.expected) << c.what;
  }
}

TEST(CheckGrid, ComparisonMessagesNameBothColours) {
  const Rows white = {"....", "....", "....", "...."};
  expectVerdicts({
      {"unchanged", {"R..", ".#.", "..."}, {"R..", ".#.", "..."}, 1, 1, 8, "ok 0"},
      {"white to black", white, {"....", ".#..", "....", "...."}, 1, 1, 8, "ok 0"},
      {"white to red",
       {"...", "...", "..."},
       {"..R", "...", "..."},
       1,
       1,
       8,
       "3. polje v 1. vrstici je v vhodni mrezi belo, v izhodni pa rdece"},
      {"red to white",
       {"R..", "...", "..."},
       {"...", "...", "..."},
       1,
       1,
       8,
       "1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo"},
      {"red to black",
       {"R..", "...", "..."},
       {"#..", "...", "..."},
       1,
       1,
       8,
       "1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa crno"},
      {"black to white",
       {"....", "....", "....", ".#.."},
       white,
       1,
       1,
       8,
       "2. polje v 4. vrstici je v vhodni mrezi crno, v izhodni pa belo"},
      {"black to red",
       {"....", "....", "....", ".#.."},
       {"....", "....", "....", ".R.."},
       1,
       1,
       8,
       "2. polje v 4. vrstici je v vhodni mrezi crno, v izhodni pa rdece"},
  });
}

TEST(CheckGrid, EveryOtherByteIsAnInvalidCharacterNamedByItsCode) {
  const TestCase testCase = testCaseOf({"...", "...", "..."}, 1, 1, 8);
  for (int code = 0; code < 256; ++code) {
    Rows candidate = {"...", "...", "..."};
    candidate[1][1] = static_cast<char>(code);
    std::string expected = "2. polje v 2. vrstici je neveljaven znak (koda " +
                           std::to_string(code) + "), ki ni niti R niti # niti pika";
    if (code == '.' || code == '#') expected = "ok 0";
    if (code == 'R') expected = "2. polje v 2. vrstici je v vhodni mrezi belo, v izhodni pa rdece";
    EXPECT_EQ(verdict(testCase, candidate), expected) << "byte " << code;
  }
}

TEST(CheckGrid, TheFirstFaultInRowMajorOrderWinsWhateverItsKind) {
  expectVerdicts({
      {"change in row 1 before invalid byte in row 2",
       {"....R", ".....", ".....", ".....", "....."},
       {"....#", "x....", ".....", ".....", "....."},
       1,
       1,
       8,
       "5. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa crno"},
      {"invalid byte before a change in the same row",
       {".R", ".."},
       {"rR", "R."},
       1,
       1,
       3,
       "1. polje v 1. vrstici je neveljaven znak (koda 114), ki ni niti R niti # niti pika"},
      {"an invalid byte whatever the input cell",
       {"R#", ".."},
       {"R\t", ".."},
       1,
       1,
       3,
       "2. polje v 1. vrstici je neveljaven znak (koda 9), ki ni niti R niti # niti pika"},
      {"comparison fault after a threshold fault",
       {"...", "...", "..R"},
       {"#..", "...", "..."},
       1,
       4,
       8,
       "3. polje v 3. vrstici je v vhodni mrezi rdece, v izhodni pa belo"},
  });
}

TEST(CheckGrid, ThresholdsPassAtTheirBoundsAndFailPastThem) {
  const Rows input = {".....", ".....", ".....", ".....", "....."};
  const Rows row1 = {".###.", ".....", ".....", ".....", "....."};
  const Rows corner = {"#....", ".....", ".....", ".....", "....."};
  expectVerdicts({
      {"no black cell: nothing is tested", input, input, 1, 8, 1, "ok 0"},
      {"white count equal to b", input, corner, 1, 3, 1, "ok 0"},
      {"white count below b", input, corner, 1, 4, 1,
       "1. polje v 1. vrstici je crno in ima 3 bliznjih belih polj, kar je manj kot b = 4"},
      {"black count equal to c", input, row1, 1, 1, 2, "ok 2"},
      {"black count above c", input, row1, 1, 1, 1,
       "3. polje v 1. vrstici je crno in ima 2 bliznjih crnih polj, kar je vec kot c = 1"},
      {"a white fault anywhere beats an earlier black fault",
       input,
       {".###.", ".....", ".....", ".....", "...##"},
       1,
       3,
       1,
       "5. polje v 5. vrstici je crno in ima 2 bliznjih belih polj, kar je manj kot b = 3"},
      {"the first black fault in row-major order",
       input,
       {"##...", ".....", "....#", "...##", "....."},
       1,
       1,
       1,
       "5. polje v 3. vrstici je crno in ima 2 bliznjih crnih polj, kar je vec kot c = 1"},
  });
}

TEST(CheckGrid, HandWorkedNearPairCounts) {
  expectVerdicts({
      {"ring of eight around a white centre",
       {"...", "...", "..."},
       {"###", "#.#", "###"},
       1,
       1,
       4,
       "ok 12"},
      {"red cells count as neither colour", {".R", ".."}, {"#R", "#."}, 1, 1, 1, "ok 1"},
      {"single white cell", {"."}, {"."}, 1, 1, 1, "ok 0"},
      {"single red cell", {"R"}, {"R"}, 1, 1, 1, "ok 0"},
      {"single black cell has no neighbours",
       {"#"},
       {"#"},
       1,
       1,
       1,
       "1. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je manj kot b = 1"},
      {"d at n - 1 and past it see the whole grid", {"..", ".."}, {"#.", ".#"}, 2, 2, 1, "ok 1"},
      {"an input grid that breaks its own c",
       {"##", "#."},
       {"##", "#."},
       1,
       1,
       1,
       "1. polje v 1. vrstici je crno in ima 2 bliznjih crnih polj, kar je vec kot c = 1"},
  });
}

TEST(CheckGrid, PairsAtDistanceExactlyDCountAndOnePastDoNot) {
  const int32_t n = 9;
  const Rows blank(n, std::string(n, '.'));
  for (int32_t d = 1; d <= 3; ++d) {
    for (auto [di, dj] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
      for (int32_t distance : {d, d + 1}) {
        Rows candidate = blank;
        const int32_t i = 2, j = 4;
        candidate[i][j] = '#';
        candidate[i + di * distance][j + dj * distance] = '#';
        EXPECT_EQ(verdict(testCaseOf(blank, d, 1, 8), candidate), distance == d ? "ok 1" : "ok 0")
            << "d " << d << " direction " << di << "," << dj << " distance " << distance;
      }
    }
  }
}

TEST(CheckGrid, CountsPastTwoToThe32OnAFullSizeGrid) {
  // Alternate rows black and white; with d = n every black cell sees the whole grid.
  const int32_t n = 1000;
  Rows input(n, std::string(n, '.'));
  Rows candidate = input;
  for (int32_t i = 0; i < n; i += 2) candidate[i] = std::string(n, '#');
  const int64_t blacks = int64_t{n} * n / 2;
  EXPECT_EQ(verdict(testCaseOf(input, n, 1, 4004000), candidate),
            "ok " + std::to_string(blacks * (blacks - 1) / 2));
}

TEST(CheckGrid, LeavesTheMessageAloneOnSuccessAndTheCountAloneOnFailure) {
  const TestCase testCase = testCaseOf({"..", ".."}, 1, 1, 3);
  std::string message = "unchanged";
  int64_t nearPairs = 42;
  EXPECT_TRUE(checkGrid(testCase, gridOf({"#.", ".."}), message, nearPairs));
  EXPECT_EQ(message, "unchanged");
  EXPECT_EQ(nearPairs, 0);
  nearPairs = 42;
  EXPECT_FALSE(checkGrid(testCase, gridOf({"R.", ".."}), message, nearPairs));
  EXPECT_EQ(nearPairs, 42);
}

TEST(CheckGrid, AgreesWithABruteForceCountOnRandomGrids) {
  std::mt19937 random(2026);
  auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  int passed = 0;
  for (int round = 0; round < 4000; ++round) {
    const int32_t n = pick(1, 7);
    const int32_t d = pick(1, n);
    const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
    const int32_t b = pick(1, std::min(full, 6));
    const int32_t c = pick(1, std::min(full, 12));
    Rows input(n, std::string(n, '.'));
    for (auto& row : input) {
      for (char& cell : row) cell = "..R#"[pick(0, 3)];
    }
    Rows candidate = input;
    for (auto& row : candidate) {
      for (char& cell : row) {
        if (cell == '.' && pick(0, 2) == 0) cell = '#';
      }
    }
    if (pick(0, 9) == 0) candidate[pick(0, n - 1)][pick(0, n - 1)] = "R#.x\xf0"[pick(0, 4)];
    const std::string expected = bruteForceVerdict(input, candidate, d, b, c);
    ASSERT_EQ(verdict(testCaseOf(input, d, b, c), candidate), expected)
        << "round " << round << " n " << n << " d " << d << " b " << b << " c " << c;
    passed += expected.starts_with("ok");
  }
  EXPECT_GT(passed, 400);  // enough accepted grids to test the counts, not only the faults
}

}  // namespace
