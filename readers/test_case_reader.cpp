#include "readers/test_case_reader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "judge/check_grid.h"
#include "readers/grid_rows.h"
#include "textio/assertion.h"
#include "textio/int_fields.h"
#include "textio/message.h"

namespace {

/// Checks 149 to 153: the parameters, in the order n, d, b, c.
void checkParameters(const TestCase& testCase) {
  const int32_t n = testCase.n;
  const int32_t d = testCase.d;
  if (n < 1 || n > 1000) {
    throwAssertion(composeMessage("velikost mreze bi morala biti od 1 do 1000, ne pa ", n),
                   __FILE__, Check::GridSize);
  }
  if (d < 1 || d > n) {
    throwAssertion(composeMessage("d bi moral biti od 1 do n = ", n, ", ne pa ", d), __FILE__,
                   Check::Radius);
  }
  const int32_t fullNeighbourhood = (2 * d + 1) * (2 * d + 1) - 1;
  if (testCase.b < 1 || testCase.b > fullNeighbourhood) {
    throwAssertion(composeMessage("b bi moral biti od 1 do (2d+1)^2 - 1 = ", fullNeighbourhood,
                                  ", ne pa ", testCase.b),
                   __FILE__, Check::WhiteThreshold);
  }
  if (testCase.c < 1 || testCase.c > fullNeighbourhood) {
    throwAssertion(composeMessage("c bi moral biti od 1 do (2d+1)^2 - 1 = ", fullNeighbourhood,
                                  ", ne pa ", testCase.c),
                   __FILE__, Check::BlackThreshold);
  }
}

/// Reads the n rows of the grid (check 160 for a row of another length).
void readInputGridRows(Grid& rows, int32_t n, LineReader& reader) {
  readGridRows(rows, n, reader, [n](int32_t row, std::size_t length) {
    throwAssertion(composeMessage(row + 1, ". vrstica bi morala imeti n = ", n, " znakov, ne pa ",
                                  static_cast<uint64_t>(length)),
                   __FILE__, Check::InputRowLength);
  });
}

}  // namespace

void readTestCase(TestCase& testCase, LineReader& reader, const std::string& taskNameLine,
                  Grid& rows) {
  testCase.taskName = taskNameLine;
  if (measureLine(reader) != 0) {
    throwAssertion("pred vsakim testnim primerom mora biti prazna vrstica", __FILE__,
                   Check::NoEmptyLine);
  }
  std::vector<int32_t> values;
  readInts(reader, values, 1);
  testCase.number = values[0];
  readInts(reader, values, 4);
  testCase.n = values[0];
  testCase.d = values[1];
  testCase.b = values[2];
  testCase.c = values[3];
  checkParameters(testCase);
  readInputGridRows(rows, testCase.n, reader);
  testCase.grid = PackedGrid(rows);

  // The grid is checked against itself: its characters, then its own thresholds.
  std::string message;
  int64_t nearPairs = 0;
  if (!checkOwnGrid(testCase, rows, message, nearPairs)) {
    throwAssertion(composeMessage("[napaka v VHODNI datoteki - to se ne bi smelo zgoditi, "
                                  "obvesti organizatorje] ",
                                  message),
                   __FILE__, Check::InputGridRefused);
  }
}
