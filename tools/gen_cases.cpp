// gen_cases: writes an input file and a submission for the evaluator, up to full size, with
// the report and standard output that evaluating them must give. Those expected results are
// counted here from scratch, so that comparing them with the evaluator's also checks it.
//
//   gen_cases --out DIR [--tests T] [--n N] [--seed S] [--variant ok|fail-last|crlf|refuse-all]
//
// Equal arguments give byte-equal files: every draw is the raw output of std::mt19937_64,
// reduced by hand, never through a standard distribution.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';
constexpr std::string_view TaskName = "Mrezovje";
constexpr std::string_view Usage =
    "usage: gen_cases --out DIR [--tests T] [--n N] [--seed S] [--variant "
    "ok|fail-last|crlf|refuse-all]\n";

/// Which submission to write: all accepted, the last block failing, CR LF line ends, or
/// every block refused with faults spread over its grid.
enum class Variant { Ok, FailLast, Crlf, RefuseAll };

/// What the command line asks for.
struct Options {
  /// The number of test cases, 1 to 100.
  int32_t tests = 100;
  /// The size of every grid, 1 to 1000.
  int32_t n = 1000;
  /// The seed of every random draw.
  uint64_t seed = 1;
  /// Which submission to write.
  Variant variant = Variant::Ok;
  /// The folder for the four files.
  std::filesystem::path out;
};

/// A bad command line; its message is printed above the usage line.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------------------------------
// Grids and random draws

/// A square grid of cell characters, row by row in one string.
class Grid {
 public:
  /// An n by n grid of white cells.
  explicit Grid(int32_t n) : n_(n), cells_(static_cast<std::size_t>(n) * n, White) {}
  /// The number of rows, and of columns.
  int32_t size() const { return n_; }
  /// The cell in row i, column j (both from 0).
  char at(int32_t i, int32_t j) const { return cells_[index(i, j)]; }
  /// The cell in row i, column j, for writing.
  char& at(int32_t i, int32_t j) { return cells_[index(i, j)]; }
  /// Row i as text.
  std::string_view row(int32_t i) const {
    return std::string_view(cells_).substr(index(i, 0), static_cast<std::size_t>(n_));
  }

 private:
  /// The position of a cell in the string.
  std::size_t index(int32_t i, int32_t j) const {
    return static_cast<std::size_t>(i) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j);
  }

  /// The number of rows, and of columns.
  int32_t n_;
  /// Every cell, row after row.
  std::string cells_;
};

/// Draws that every standard library repeats exactly: the raw output of the 64-bit
/// Mersenne twister, reduced by hand rather than through a distribution.
class Random {
 public:
  /// A source seeded with one number.
  explicit Random(uint64_t seed) : engine_(seed) {}
  /// A number in [0, bound), bound > 0.
  uint64_t below(uint64_t bound) { return engine_() % bound; }
  /// A number in [low, high].
  int32_t between(int32_t low, int32_t high) {
    return low + static_cast<int32_t>(below(static_cast<uint64_t>(high - low) + 1));
  }
  /// A number in [0, 65536): the top 16 bits of one draw, for per-cell chances.
  uint32_t sixteenBits() { return static_cast<uint32_t>(engine_() >> 48); }
  /// True with probability per65536 / 65536.
  bool chance(uint32_t per65536) { return sixteenBits() < per65536; }

 private:
  /// The engine whose raw output every draw uses.
  std::mt19937_64 engine_;
};

/// A well-mixed seed for part `part` of a run seeded with `seed` (the splitmix64 finaliser),
/// so that each test case has its own independent draws.
uint64_t partSeed(uint64_t seed, uint64_t part) {
  uint64_t z = seed + (part + 1) * 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

/// A probability in per-mille as a threshold for Random::chance.
uint32_t per65536(int32_t perMille) { return static_cast<uint32_t>(perMille) * 65536U / 1000U; }

// ---------------------------------------------------------------------------------------
// Counting neighbourhoods, independently of the evaluator

/// The white and black cells within distance d of one cell, the cell itself not counted.
struct Neighbours {
  /// White cells around.
  int32_t white = 0;
  /// Black cells around.
  int32_t black = 0;
};

/// Counts the white and black cells in any cell's neighbourhood in constant time, from two
/// summed-area tables with a zero row and column in front. One instance serves grid after
/// grid, so that its tables are allocated once.
class NeighbourCounts {
 public:
  /// Tables for `grid`, which must stay unchanged while they are used, and radius d.
  void load(const Grid& grid, int32_t d) {
    grid_ = &grid;
    d_ = d;
    const std::size_t stride = static_cast<std::size_t>(grid.size()) + 1;
    if (stride != stride_) {
      // Row 0 and column 0 stay zero: sumRow writes only the entries after them.
      stride_ = stride;
      white_.assign(stride * stride, 0);
      black_.assign(stride * stride, 0);
    }
    for (int32_t i = 0; i < grid.size(); ++i) sumRow(i);
  }

  /// The grid of the tables.
  const Grid& grid() const { return *grid_; }

  /// The neighbours of the cell in row i, column j.
  Neighbours around(int32_t i, int32_t j) const {
    const int32_t n = grid_->size();
    const int32_t top = std::max(0, i - d_);
    const int32_t bottom = std::min(n, i + d_ + 1);
    const int32_t left = std::max(0, j - d_);
    const int32_t right = std::min(n, j + d_ + 1);
    const char centre = grid_->at(i, j);
    return {rectangle(white_, top, left, bottom, right) - (centre == White),
            rectangle(black_, top, left, bottom, right) - (centre == Black)};
  }

 private:
  /// Entry (i + 1, j + 1) of a table: the count over rows 0..i and columns 0..j.
  std::size_t entry(int32_t i, int32_t j) const {
    return static_cast<std::size_t>(i) * stride_ + static_cast<std::size_t>(j);
  }

  /// Fills the tables' entries for grid row i from those of row i - 1.
  void sumRow(int32_t i) {
    const std::string_view row = grid_->row(i);
    int32_t whiteInRow = 0;
    int32_t blackInRow = 0;
    for (int32_t j = 0; j < grid_->size(); ++j) {
      whiteInRow += row[static_cast<std::size_t>(j)] == White;
      blackInRow += row[static_cast<std::size_t>(j)] == Black;
      white_[entry(i + 1, j + 1)] = white_[entry(i, j + 1)] + whiteInRow;
      black_[entry(i + 1, j + 1)] = black_[entry(i, j + 1)] + blackInRow;
    }
  }

  /// The count of one table over rows [top, bottom) and columns [left, right).
  int32_t rectangle(const std::vector<int32_t>& table, int32_t top, int32_t left, int32_t bottom,
                    int32_t right) const {
    return table[entry(bottom, right)] - table[entry(top, right)] - table[entry(bottom, left)] +
           table[entry(top, left)];
  }

  /// The grid counted.
  const Grid* grid_ = nullptr;
  /// The radius of the neighbourhoods.
  int32_t d_ = 0;
  /// The length of a table row: n + 1.
  std::size_t stride_ = 0;
  /// The summed-area table of white cells.
  std::vector<int32_t> white_;
  /// The summed-area table of black cells.
  std::vector<int32_t> black_;
};

/// The first line of a test case's block after its number: n d b c.
struct Parameters {
  /// The grid's number of rows and columns.
  int32_t n = 0;
  /// The neighbourhood radius.
  int32_t d = 0;
  /// The least number of white cells around a black cell.
  int32_t b = 0;
  /// The most black cells around a black cell.
  int32_t c = 0;
};

/// What checking one answer grid gives: its near-pair count, or the message of its fault.
struct Verdict {
  /// False when a black cell breaks b or c.
  bool accepted = true;
  /// True when the fault is a black cell with more than c black neighbours.
  bool blackCountFault = false;
  /// The number of pairs of black cells within distance d, when accepted.
  int64_t nearPairs = 0;
  /// The report's message for the fault, when not accepted.
  std::string fault;
};

/// The message for a black cell (row i, column j from 0) that breaks a threshold.
std::string thresholdMessage(int32_t i, int32_t j, int32_t count, bool blackCount,
                             int32_t threshold) {
  return std::to_string(j + 1) + ". polje v " + std::to_string(i + 1) +
         ". vrstici je crno in ima " + std::to_string(count) +
         (blackCount ? " bliznjih crnih polj, kar je vec kot c = "
                     : " bliznjih belih polj, kar je manj kot b = ") +
         std::to_string(threshold);
}

/// Whether every answer cell equals the input's, except white cells that turned black.
bool keepsInputCells(const Grid& input, const Grid& answer) {
  for (int32_t i = 0; i < input.size(); ++i) {
    for (int32_t j = 0; j < input.size(); ++j) {
      const char in = input.at(i, j);
      const char out = answer.at(i, j);
      if (in != out && !(in == White && out == Black)) return false;
    }
  }
  return true;
}

/// Checks the thresholds of every black cell of an answer: a white-count fault anywhere
/// comes first, then the first black-count fault in row-major order; otherwise the answer
/// is accepted with its near-pair count. `counts` is the scratch space for the counting.
Verdict checkThresholds(NeighbourCounts& counts, const Parameters& parameters, const Grid& answer) {
  counts.load(answer, parameters.d);
  Verdict verdict;
  std::string firstBlackFault;
  int64_t blackCountSum = 0;
  for (int32_t i = 0; i < answer.size(); ++i) {
    for (int32_t j = 0; j < answer.size(); ++j) {
      if (answer.at(i, j) != Black) continue;
      const Neighbours around = counts.around(i, j);
      if (around.white < parameters.b) {
        return {false, false, 0, thresholdMessage(i, j, around.white, false, parameters.b)};
      }
      if (around.black > parameters.c && firstBlackFault.empty()) {
        firstBlackFault = thresholdMessage(i, j, around.black, true, parameters.c);
      }
      blackCountSum += around.black;
    }
  }
  if (!firstBlackFault.empty()) return {false, true, 0, std::move(firstBlackFault)};
  verdict.nearPairs = blackCountSum / 2;
  return verdict;
}

/// The least white count and the greatest black count over the black cells of a grid.
struct Extremes {
  /// The least white count; the largest int32_t when there is no black cell.
  int32_t leastWhite = std::numeric_limits<int32_t>::max();
  /// The greatest black count.
  int32_t mostBlack = 0;
};

/// The extremes of a grid's black cells, for neighbourhoods of radius d, counted in
/// `counts`.
Extremes blackCellExtremes(NeighbourCounts& counts, const Grid& grid, int32_t d) {
  counts.load(grid, d);
  Extremes extremes;
  for (int32_t i = 0; i < grid.size(); ++i) {
    for (int32_t j = 0; j < grid.size(); ++j) {
      if (grid.at(i, j) != Black) continue;
      const Neighbours around = counts.around(i, j);
      extremes.leastWhite = std::min(extremes.leastWhite, around.white);
      extremes.mostBlack = std::max(extremes.mostBlack, around.black);
    }
  }
  return extremes;
}

// ---------------------------------------------------------------------------------------
// Building test cases

/// One test case: its parameters, the input grid and the answer submitted for it.
struct Case {
  /// n d b c.
  Parameters parameters;
  /// The grid of the input file.
  Grid input;
  /// The grid of the submission.
  Grid answer;
};

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
Grid denseAnswer(int32_t n, int32_t blackPerMille, Random& random) {
  // Three cells in four are off the lattice: scale the shares up to match.
  const uint32_t redBelow = per65536(50 * 4 / 3);
  const uint32_t blackBelow = redBelow + per65536(blackPerMille * 4 / 3);
  Grid answer(n);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (onWhiteLattice(i, j)) continue;
      const uint32_t draw = random.sixteenBits();
      if (draw < redBelow) {
        answer.at(i, j) = Red;
      } else if (draw < blackBelow) {
        answer.at(i, j) = Black;
      }
    }
  }
  return answer;
}

/// The answer with each of its black cells kept with the given chance and whitened
/// otherwise, except those listed in `alwaysKept` (row, column pairs).
Grid inputFromAnswer(const Grid& answer, uint32_t keepPer65536, Random& random,
                     const std::vector<std::pair<int32_t, int32_t>>& alwaysKept = {}) {
  Grid input = answer;
  for (int32_t i = 0; i < input.size(); ++i) {
    for (int32_t j = 0; j < input.size(); ++j) {
      if (input.at(i, j) == Black && !random.chance(keepPer65536)) input.at(i, j) = White;
    }
  }
  for (const auto& [i, j] : alwaysKept) input.at(i, j) = Black;
  return input;
}

/// The tightest thresholds that an answer meets: b its least white count, c its greatest
/// black count (1 at least, and b 1 when it has no black cell).
Parameters tightParameters(NeighbourCounts& counts, const Grid& answer, int32_t d) {
  const Extremes extremes = blackCellExtremes(counts, answer, d);
  const int32_t b = extremes.leastWhite == std::numeric_limits<int32_t>::max()
                        ? 1
                        : std::max(1, extremes.leastWhite);
  return {answer.size(), d, b, std::max(1, extremes.mostBlack)};
}

/// A test case whose answer is accepted: 20% to 40% black, some of which the input already
/// has, and thresholds that both grids meet exactly.
Case acceptedCase(int32_t n, int32_t d, Random& random, NeighbourCounts& counts) {
  Grid answer = denseAnswer(n, random.between(200, 400), random);
  Grid input = inputFromAnswer(answer, per65536(random.between(300, 700)), random);
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

/// A test case whose answer breaks c = 1 at its last black cell X = (n - 1, j) only: X has
/// exactly the two black neighbours (n - 1 - d, j -+ d), which are 2d apart, and every
/// other black cell stands farther than d from all the others. Needs n >= 2d + 2.
Case failingCase(int32_t n, int32_t d, Random& random, NeighbourCounts& counts) {
  Grid answer(n);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (!onWhiteLattice(i, j) && random.chance(per65536(50))) answer.at(i, j) = Red;
    }
  }
  // Isolated black cells d + 1 apart, in the rows above those within 2d of the bottom.
  const int32_t clearFrom = n - 1 - 2 * d;
  for (int32_t i = 1; i < clearFrom; i += d + 1) {
    for (int32_t j = 1; j < n; j += d + 1) {
      if (!onWhiteLattice(i, j) && random.chance(per65536(500))) answer.at(i, j) = Black;
    }
  }
  const int32_t j = failingColumn(n, d, random);
  const std::pair<int32_t, int32_t> left{n - 1 - d, j - d};
  const std::pair<int32_t, int32_t> right{n - 1 - d, j + d};
  answer.at(left.first, left.second) = Black;
  answer.at(right.first, right.second) = Black;
  answer.at(n - 1, j) = Black;
  Grid input = inputFromAnswer(answer, per65536(500), random, {left, right});
  input.at(n - 1, j) = White;
  const Extremes extremes = blackCellExtremes(counts, answer, d);
  return {{n, d, std::max(1, extremes.leastWhite), 1}, std::move(input), std::move(answer)};
}

/// The colour word of a cell character in the comparison messages.
const char* colourWord(char cell) {
  return cell == White ? "belo" : cell == Black ? "crno" : "rdece";
}

/// The comparison message of the first answer cell in row-major order that the input
/// refuses, or "" when every cell is allowed.
std::string firstComparisonFault(const Grid& input, const Grid& answer) {
  for (int32_t i = 0; i < input.size(); ++i) {
    for (int32_t j = 0; j < input.size(); ++j) {
      const char in = input.at(i, j);
      const char out = answer.at(i, j);
      const std::string place =
          std::to_string(j + 1) + ". polje v " + std::to_string(i + 1) + ". vrstici je ";
      if (out != Red && out != Black && out != White) {
        return place + "neveljaven znak (koda " + std::to_string(static_cast<unsigned char>(out)) +
               "), ki ni niti R niti # niti pika";
      }
      if ((in == Red || in == Black) && out != in) {
        return place + "v vhodni mrezi " + colourWord(in) + ", v izhodni pa " + colourWord(out);
      }
      if (in == White && out == Red) return place + "v vhodni mrezi belo, v izhodni pa rdece";
    }
  }
  return {};
}

/// The answer with faults spread over it: about one cell in a hundred of every row changed.
/// A red or input-black cell is whitened; a white one turns red, black or 'x' by turns; a
/// painted black cell is whitened again, which is allowed.
Grid spreadFaults(const Grid& input, Grid answer, Random& random) {
  constexpr char WhiteTurns[] = {Red, Black, Black, 'x'};
  int32_t turn = 0;
  for (int32_t i = 0; i < answer.size(); ++i) {
    for (int32_t j = 0; j < answer.size(); ++j) {
      if (!random.chance(per65536(10))) continue;
      char& cell = answer.at(i, j);
      if (cell == White) {
        cell = WhiteTurns[turn++ % 4];
      } else if (cell == Red || input.at(i, j) == Black || cell == Black) {
        cell = White;
      }
    }
  }
  return answer;
}

// ---------------------------------------------------------------------------------------
// Writing the files

/// Writes lines with a chosen line end to a file through a large buffer, counting them.
class LineFile {
 public:
  /// Creates (or truncates) the file at `path`.
  LineFile(const std::filesystem::path& path, std::string_view lineEnd)
      : path_(path), lineEnd_(lineEnd), file_(std::fopen(path.string().c_str(), "wb")) {
    if (file_ == nullptr) throw std::runtime_error("cannot create " + path.string());
    buffer_.reserve(BufferSize + 4096);
  }
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;
  ~LineFile() {
    if (file_ != nullptr) std::fclose(file_);
  }

  /// Appends one line and its line end.
  void line(std::string_view text) {
    buffer_.append(text);
    buffer_.append(lineEnd_);
    ++lines_;
    if (buffer_.size() >= BufferSize) flush();
  }
  /// Appends every row of a grid, one line each.
  void grid(const Grid& grid) {
    for (int32_t i = 0; i < grid.size(); ++i) line(grid.row(i));
  }
  /// The number of lines written so far.
  int64_t lines() const { return lines_; }
  /// Writes out what is buffered and closes the file; throws when anything failed.
  void close() {
    flush();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed) fail();
  }

 private:
  /// The buffered bytes past which the buffer goes to the file.
  static constexpr std::size_t BufferSize = 1 << 20;

  /// Hands the buffer to the file.
  void flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) fail();
    buffer_.clear();
  }
  /// Reports a failed write.
  [[noreturn]] void fail() const { throw std::runtime_error("cannot write " + path_.string()); }

  /// The file's path, for messages.
  std::filesystem::path path_;
  /// "\n" or "\r\n".
  std::string lineEnd_;
  /// The open file; null once closed.
  std::FILE* file_;
  /// Lines not yet handed to the file.
  std::string buffer_;
  /// Lines written so far.
  int64_t lines_ = 0;
};

/// Writes a whole small file.
void writeText(const std::filesystem::path& path, const std::string& text) {
  LineFile file(path, "");
  file.line(text);
  file.close();
}

/// Writes the block of test case k to the input file.
void writeInputBlock(LineFile& file, int32_t k, const Case& testCase) {
  const Parameters& p = testCase.parameters;
  file.line("");
  file.line(std::to_string(k));
  file.line(std::to_string(p.n) + ' ' + std::to_string(p.d) + ' ' + std::to_string(p.b) + ' ' +
            std::to_string(p.c));
  file.grid(testCase.input);
}

/// A submitted block: which test case it answers and what checking it gives.
struct SubmittedBlock {
  /// The test case answered.
  int32_t number = 0;
  /// The line (from 1) of the submission that holds the block's test case number.
  int64_t headerLine = 0;
  /// What checking the answer gives.
  Verdict verdict;
};

/// The report of an evaluation of the blocks: the first failing block's fault, or OK.
std::string expectedReport(const std::vector<SubmittedBlock>& blocks) {
  for (const SubmittedBlock& block : blocks) {
    if (!block.verdict.accepted) {
      return "Napaka [Mrezovnik:221]: [napaka v resitvi, ki se zacne v " +
             std::to_string(block.headerLine) + ". vrstici oddane datoteke] " +
             block.verdict.fault + "\n-1\n";
    }
  }
  std::string report = "OK\n" + std::to_string(blocks.size()) + "\n";
  for (const SubmittedBlock& block : blocks) {
    report += std::to_string(block.number) + ' ' + std::to_string(block.verdict.nearPairs) + '\n';
  }
  return report;
}

/// The standard output of an evaluation of the blocks: one line each if all are accepted.
std::string expectedStdout(const std::vector<SubmittedBlock>& blocks) {
  std::string text;
  for (const SubmittedBlock& block : blocks) {
    if (!block.verdict.accepted) return {};
    text += "Testni primer " + std::to_string(block.number) + ": " +
            std::to_string(block.verdict.nearPairs) + " parov bliznjih crnih polj.\n";
  }
  return text;
}

// ---------------------------------------------------------------------------------------
// The whole run

/// The test case numbers 1..tests in the order of the submission's blocks.
std::vector<int32_t> submissionOrder(int32_t tests, Random& random) {
  std::vector<int32_t> order(static_cast<std::size_t>(tests));
  for (int32_t k = 1; k <= tests; ++k) order[static_cast<std::size_t>(k - 1)] = k;
  for (std::size_t i = order.size(); i > 1; --i) {
    std::swap(order[i - 1], order[random.below(i)]);
  }
  return order;
}

/// Builds test case k, counting in `counts`; `failing` makes it the one whose answer breaks c.
Case buildCase(const Options& options, int32_t k, bool failing, NeighbourCounts& counts) {
  Random random(partSeed(options.seed, static_cast<uint64_t>(k)));
  const int32_t d = radiusFor(k, options.tests, options.n);
  if (failing) return failingCase(options.n, std::min(d, (options.n - 2) / 2), random, counts);
  return acceptedCase(options.n, d, random, counts);
}

/// Checks that a built case is what it should be: an input that meets its own thresholds
/// and an answer that keeps the input's cells. Throws otherwise.
void requireWellFormed(const Case& testCase, int32_t k, NeighbourCounts& counts) {
  const Parameters& p = testCase.parameters;
  const int32_t limit = (2 * p.d + 1) * (2 * p.d + 1) - 1;
  const bool inRange =
      p.d >= 1 && p.d <= p.n && p.b >= 1 && p.b <= limit && p.c >= 1 && p.c <= limit;
  if (!inRange || !checkThresholds(counts, p, testCase.input).accepted ||
      !keepsInputCells(testCase.input, testCase.answer)) {
    throw std::logic_error("test case " + std::to_string(k) + " came out malformed");
  }
}

/// What checking a case's answer gives: its first comparison fault, else its thresholds.
Verdict verdictOf(NeighbourCounts& counts, const Case& testCase) {
  std::string fault = firstComparisonFault(testCase.input, testCase.answer);
  if (fault.empty()) return checkThresholds(counts, testCase.parameters, testCase.answer);
  Verdict verdict;
  verdict.accepted = false;
  verdict.fault = std::move(fault);
  return verdict;
}

/// Checks that the verdicts are those the variant asks for: all accepted, all but the last
/// block, which fails on a black count, or none. Throws otherwise.
void requireIntendedVerdicts(const std::vector<SubmittedBlock>& blocks, Variant variant) {
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const Verdict& verdict = blocks[i].verdict;
    const bool lastFails = variant == Variant::FailLast && i + 1 == blocks.size();
    const bool shouldFail = lastFails || variant == Variant::RefuseAll;
    if (verdict.accepted == shouldFail || (lastFails && !verdict.blackCountFault)) {
      throw std::logic_error("the answer to test case " + std::to_string(blocks[i].number) +
                             " did not come out as intended");
    }
  }
}

/// A contestant number: six digits.
std::string contestantNumber(Random& random) {
  std::string digits = std::to_string(random.below(1000000));
  return std::string(6 - digits.size(), '0') + digits;
}

/// Generates the four files into options.out.
void generate(const Options& options) {
  std::filesystem::create_directories(options.out);
  const std::string lineEnd = options.variant == Variant::Crlf ? "\r\n" : "\n";
  Random runRandom(partSeed(options.seed, 0));
  const std::vector<int32_t> order = submissionOrder(options.tests, runRandom);
  const int32_t failingNumber = options.variant == Variant::FailLast ? order.back() : 0;

  // Input file first; each answer and its verdict are kept for the submission.
  LineFile input(options.out / "input.txt", lineEnd);
  input.line(TaskName);
  input.line(std::to_string(options.tests));
  std::vector<Grid> answers;
  std::vector<Verdict> verdicts;
  NeighbourCounts counts;
  for (int32_t k = 1; k <= options.tests; ++k) {
    Case testCase = buildCase(options, k, k == failingNumber, counts);
    requireWellFormed(testCase, k, counts);
    writeInputBlock(input, k, testCase);
    if (options.variant == Variant::RefuseAll) {
      Random faultRandom(
          partSeed(options.seed, static_cast<uint64_t>(options.tests) + static_cast<uint64_t>(k)));
      testCase.answer = spreadFaults(testCase.input, std::move(testCase.answer), faultRandom);
    }
    verdicts.push_back(verdictOf(counts, testCase));
    answers.push_back(std::move(testCase.answer));
  }
  input.close();

  LineFile submission(options.out / "submission.txt", lineEnd);
  submission.line(contestantNumber(runRandom));
  submission.line(TaskName);
  std::vector<SubmittedBlock> blocks;
  for (const int32_t k : order) {
    if (runRandom.below(4) == 0) submission.line("");
    submission.line(std::to_string(k));
    blocks.push_back({k, submission.lines(), verdicts[static_cast<std::size_t>(k - 1)]});
    submission.grid(answers[static_cast<std::size_t>(k - 1)]);
  }
  submission.close();

  requireIntendedVerdicts(blocks, options.variant);
  writeText(options.out / "expected-report.txt", expectedReport(blocks));
  writeText(options.out / "expected-stdout.txt", expectedStdout(blocks));
}

// ---------------------------------------------------------------------------------------
// The command line

/// The whole of `text` as a number in [low, high].
template <typename Number>
Number parseNumber(std::string_view option, std::string_view text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    throw UsageError(std::string(option) + " takes a number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not '" + std::string(text) + "'");
  }
  return value;
}

/// The variant named on the command line.
Variant parseVariant(std::string_view text) {
  if (text == "ok") return Variant::Ok;
  if (text == "fail-last") return Variant::FailLast;
  if (text == "crlf") return Variant::Crlf;
  if (text == "refuse-all") return Variant::RefuseAll;
  throw UsageError("--variant is ok, fail-last, crlf or refuse-all, not '" + std::string(text) +
                   "'");
}

/// Reads the options; every option takes a value.
Options parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) throw UsageError(std::string(option) + " needs a value");
    const std::string_view value = argv[i + 1];
    if (option == "--tests") {
      options.tests = parseNumber<int32_t>(option, value, 1, 100);
    } else if (option == "--n") {
      options.n = parseNumber<int32_t>(option, value, 1, 1000);
    } else if (option == "--seed") {
      options.seed = parseNumber<uint64_t>(option, value, 0, std::numeric_limits<uint64_t>::max());
    } else if (option == "--variant") {
      options.variant = parseVariant(value);
    } else if (option == "--out") {
      options.out = value;
    } else {
      throw UsageError("unknown option " + std::string(option));
    }
  }
  if (options.out.empty()) throw UsageError("--out is required");
  if (options.variant == Variant::FailLast && options.n < 4) {
    throw UsageError("--variant fail-last needs --n 4 or more");
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    generate(parseOptions(argc, argv));
    return 0;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "gen_cases: %s\n%.*s", error.what(), static_cast<int>(Usage.size()),
                 Usage.data());
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "gen_cases: %s\n", error.what());
    return 1;
  }
}
