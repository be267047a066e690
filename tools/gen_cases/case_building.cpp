#include "tools/gen_cases/case_building.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

/// Whether a cell belongs to the lattice that stays white in every grid (both coordinates
/// even). Every other cell is within distance 1 of a lattice cell, so that no black cell
/// is ever without a white neighbour.
bool onWhiteLattice(int32_t i, int32_t j) { return i % 2 == 0 && j % 2 == 0; }

/// The radius of test case k of `tests`: spread geometrically from 1 (first) to n (last).
int32_t radiusFor(int32_t k, int32_t tests, int32_t n) {
  if (tests == 1) return 1;
  const double exponent = static_cast<double>(k - 1) / (tests - 1);
  const auto d = static_cast<int32_t>(std::lround(std::pow(static_cast<double>(n), exponent)));
  return std::clamp(d, 1, n);
}

/// A dense answer: about 5% red, the given per-mille of black, the rest white.
Rows denseAnswer(int32_t n, int32_t blackPerMille, Random& random) {
  // Three cells in four are off the lattice: scale the shares up to match.
  const uint32_t redBelow = per65536(50 * 4 / 3);
  const uint32_t blackBelow = redBelow + per65536(blackPerMille * 4 / 3);
  Rows answer = whiteRows(n);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (onWhiteLattice(i, j)) continue;
      const uint32_t draw = random.sixteenBits();
      if (draw < redBelow) {
        answer[i][j] = RedChar;
      } else if (draw < blackBelow) {
        answer[i][j] = BlackChar;
      }
    }
  }
  return answer;
}

/// The answer with each of its black cells kept with the given chance and whitened
/// otherwise, except those listed in `alwaysKept` (row, column pairs).
Rows inputFromAnswer(const Rows& answer, uint32_t keepPer65536, Random& random,
                     const std::vector<std::pair<int32_t, int32_t>>& alwaysKept = {}) {
  Rows input = answer;
  for (std::string& row : input) {
    for (char& cell : row) {
      if (cell == BlackChar && !random.chance(keepPer65536)) cell = WhiteChar;
    }
  }
  for (const auto& [i, j] : alwaysKept) input[i][j] = BlackChar;
  return input;
}

/// The tightest thresholds that an answer meets: b its least white count, c its greatest
/// black count (1 at least, and b 1 when it has no black cell).
Parameters tightParameters(SummedCounts& counts, const Rows& answer, int32_t d) {
  const Extremes extremes = extremesOf(counts.blackCells(answer, d));
  const int32_t b = extremes.leastWhites == std::numeric_limits<int32_t>::max()
                        ? 1
                        : std::max(1, extremes.leastWhites);
  return {sideOf(answer), d, b, std::max(1, extremes.mostBlacks)};
}

/// A test case whose answer is accepted: 20% to 40% black, some of which the input already
/// has, and thresholds that both grids meet exactly.
Case acceptedCase(int32_t n, int32_t d, Random& random, SummedCounts& counts) {
  Rows answer = denseAnswer(n, random.between(200, 400), random);
  Rows input = inputFromAnswer(answer, per65536(random.between(300, 700)), random);
  // The input keeps a subset of the answer's black cells, so it has at least as many white
  // and at most as many black cells around each of its black cells: it meets them too.
  return {tightParameters(counts, answer, d), std::move(input), std::move(answer)};
}

/// A column j for the failing cell (n - 1, j) and its two black neighbours
/// (n - 1 - d, j -+ d): all three inside the grid and off the white lattice.
int32_t failingColumn(int32_t n, int32_t d, Random& random) {
  const int32_t first = d;
  const int32_t last = n - 1 - d;
  const int32_t start = random.between(first, last);
  for (int32_t step = 0; step <= last - first; ++step) {
    const int32_t j = first + (start - first + step) % (last - first + 1);
    if (!onWhiteLattice(n - 1, j) && !onWhiteLattice(n - 1 - d, j - d)) return j;
  }
  throw std::logic_error("no column for the failing cell");
}

/// An answer of red cells and isolated black cells d + 1 apart, in the rows above those
/// within 2d of the bottom.
Rows sparseAnswer(int32_t n, int32_t d, Random& random) {
  Rows answer = whiteRows(n);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (!onWhiteLattice(i, j) && random.chance(per65536(50))) answer[i][j] = RedChar;
    }
  }
  const int32_t clearFrom = n - 1 - 2 * d;
  for (int32_t i = 1; i < clearFrom; i += d + 1) {
    for (int32_t j = 1; j < n; j += d + 1) {
      if (!onWhiteLattice(i, j) && random.chance(per65536(500))) answer[i][j] = BlackChar;
    }
  }
  return answer;
}

/// A test case whose answer breaks c = 1 at its last black cell X = (n - 1, j) only: X has
/// exactly the two black neighbours (n - 1 - d, j -+ d), which are 2d apart, and every
/// other black cell stands farther than d from all the others. Needs n >= 2d + 2.
Case failingCase(int32_t n, int32_t d, Random& random, SummedCounts& counts) {
  Rows answer = sparseAnswer(n, d, random);
  const int32_t j = failingColumn(n, d, random);
  const std::pair<int32_t, int32_t> left{n - 1 - d, j - d};
  const std::pair<int32_t, int32_t> right{n - 1 - d, j + d};
  answer[left.first][left.second] = BlackChar;
  answer[right.first][right.second] = BlackChar;
  answer[n - 1][j] = BlackChar;
  Rows input = inputFromAnswer(answer, per65536(500), random, {left, right});
  input[n - 1][j] = WhiteChar;
  const Extremes extremes = extremesOf(counts.blackCells(answer, d));
  return {{n, d, std::max(1, extremes.leastWhites), 1}, std::move(input), std::move(answer)};
}

}  // namespace

Case buildCase(const Options& options, int32_t k, bool failing, SummedCounts& counts) {
  Random random(partSeed(options.seed, static_cast<uint64_t>(k)));
  const int32_t d = radiusFor(k, options.tests, options.n);
  if (failing) return failingCase(options.n, std::min(d, (options.n - 2) / 2), random, counts);
  return acceptedCase(options.n, d, random, counts);
}

Rows spreadFaults(const Rows& input, Rows answer, Random& random) {
  // A red or input-black cell is whitened; a white one turns red, black or 'x' by turns; a
  // painted black cell is whitened again, which is allowed.
  constexpr char WhiteTurns[] = {RedChar, BlackChar, BlackChar, 'x'};
  int32_t turn = 0;
  for (int32_t i = 0; i < sideOf(answer); ++i) {
    for (int32_t j = 0; j < sideOf(answer); ++j) {
      if (!random.chance(per65536(10))) continue;
      char& cell = answer[i][j];
      if (cell == WhiteChar) {
        cell = WhiteTurns[turn++ % 4];
      } else if (cell == RedChar || input[i][j] == BlackChar || cell == BlackChar) {
        cell = WhiteChar;
      }
    }
  }
  return answer;
}
