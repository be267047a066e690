#include "readers/test_case_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/failure.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/temp_file.h"

namespace {

const std::string InputPrefix =
    "[napaka v VHODNI datoteki - to se ne bi smelo zgoditi, obvesti organizatorje] ";

/// Reads one block that starts on line 3 of a file, as the input file reader would, into a
/// row buffer that a larger block of black cells used before.
Failure readBlock(const std::string& block, TestCase* read = nullptr) {
  TempFile file("Mrezovje\n1\n" + block);
  TextFile in(file.path());
  LineReader reader{in};
  std::string skipped;
  readLine(reader, skipped);
  readLine(reader, skipped);
  TestCase testCase;
  Grid rows = blackBuffer(70);
  Failure failure = failureOf([&] { readTestCase(testCase, reader, "Mrezovje", rows); });
  if (read != nullptr) *read = testCase;
  return failure;
}

struct BlockCase {
  std::string block;
  Failure failure;
};

const Failure Passes{0, "<no failure>"};

TEST(ReadTestCase, ChecksTheBlockInFileOrder) {
  const std::vector<BlockCase> cases = {
      {"\n1\n3 1 1 4\nR..\n.#.\n...\n", Passes},
      {"\n7\n1 1 1 1\n.", Passes},
      {" \n1\n1 1 1 1\n.\n", {143, "pred vsakim testnim primerom mora biti prazna vrstica"}},
      {"x\n", {143, "pred vsakim testnim primerom mora biti prazna vrstica"}},
      {"", {69, "manjka 3. vrstica"}},
      {"\n", {69, "manjka 4. vrstica"}},
      {"\n1 2\n", {72, "v 4. vrstici bi moralo biti 1 stevil, ne pa 2"}},
      {"\n1\n3 1 1\n", {72, "v 5. vrstici bi moralo biti 4 stevil, ne pa 3"}},
      {"\n1\n3 1 1 4 5\n", {72, "v 5. vrstici bi moralo biti 4 stevil, ne pa 5"}},
      {"\n1\n3 -1 1 4\n", {48, "namesto stevke se v 5. vrstici pojavlja znak '-' (minus)"}},
      {"\n1\n1001 1 1 1\n", {149, "velikost mreze bi morala biti od 1 do 1000, ne pa 1001"}},
      {"\n1\n0 1 1 1\n", {149, "velikost mreze bi morala biti od 1 do 1000, ne pa 0"}},
      {"\n1\n0 0 0 0\n", {149, "velikost mreze bi morala biti od 1 do 1000, ne pa 0"}},
      {"\n1\n3 4 1 1\n", {150, "d bi moral biti od 1 do n = 3, ne pa 4"}},
      {"\n1\n3 0 0 0\n", {150, "d bi moral biti od 1 do n = 3, ne pa 0"}},
      {"\n1\n3 1 9 1\n", {152, "b bi moral biti od 1 do (2d+1)^2 - 1 = 8, ne pa 9"}},
      {"\n1\n3 1 0 0\n", {152, "b bi moral biti od 1 do (2d+1)^2 - 1 = 8, ne pa 0"}},
      {"\n1\n3 1 8 9\n", {153, "c bi moral biti od 1 do (2d+1)^2 - 1 = 8, ne pa 9"}},
      {"\n1\n3 1 8 0\n", {153, "c bi moral biti od 1 do (2d+1)^2 - 1 = 8, ne pa 0"}},
      {"\n1\n3 2 25 1\n", {152, "b bi moral biti od 1 do (2d+1)^2 - 1 = 24, ne pa 25"}},
      {"\n1\n3 3 1 49\n", {153, "c bi moral biti od 1 do (2d+1)^2 - 1 = 48, ne pa 49"}},
      {"\n1\n2 2 24 24\n..\n.R\n", Passes},
      {"\n1\n3 1 1 1\n...\n..\n...\n", {160, "2. vrstica bi morala imeti n = 3 znakov, ne pa 2"}},
      {"\n1\n3 1 1 1\n...\n... \n...\n", {160, "2. vrstica bi morala imeti n = 3 znakov, ne pa 4"}},
      {"\n1\n3 1 1 1\n...\n\n", {160, "2. vrstica bi morala imeti n = 3 znakov, ne pa 0"}},
      {"\n1\n3 1 1 1\n...\n...\n", {69, "manjka 8. vrstica"}},
      {"\n1\n3 1 1 1\n.r.\n..\n", {160, "2. vrstica bi morala imeti n = 3 znakov, ne pa 2"}},
      {"\n1\n3 1 1 1\n...\n.r.\n.5.\n",
       {163,
        InputPrefix +
            "2. polje v 2. vrstici je neveljaven znak (koda 114), ki ni niti R niti # niti pika"}},
      {"\n1\n3 1 1 1\n...\n...\n. .\n",
       {163,
        InputPrefix +
            "2. polje v 3. vrstici je neveljaven znak (koda 32), ki ni niti R niti # niti pika"}},
      {"\n1\n1 1 1 1\n#\n",
       {163,
        InputPrefix +
            "1. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je manj kot b = 1"}},
      {"\n1\n1 1 1 1\nR\n", Passes},
      {"\n1\n2 1 1 1\n##\n#.\n",
       {163,
        InputPrefix +
            "1. polje v 1. vrstici je crno in ima 2 bliznjih crnih polj, kar je vec kot c = 1"}},
      {"\n1\n3 3 7 1\n#..\n...\n..#\n", Passes},
      {"\n1\n3 1 4 8\n#..\n...\n...\n",
       {163,
        InputPrefix +
            "1. polje v 1. vrstici je crno in ima 3 bliznjih belih polj, kar je manj kot b = 4"}},
  };
  for (const BlockCase& c : cases) EXPECT_EQ(readBlock(c.block), c.failure) << c.block;
}

TEST(ReadTestCase, FindsAnInvalidByteInEveryPartOfAWideGrid) {
  for (const int32_t n : LayoutWidths) {
    const std::string header = "\n1\n" + std::to_string(n) + " 1 1 1\n";
    const std::vector<int32_t> columns = probeColumns(n);
    for (std::size_t k = 0; k < columns.size(); ++k) {
      const int32_t j = columns[k];
      const char background = "R#."[k % 3];
      std::string row(n, background);
      row += '\n';
      std::string block = header;
      for (int32_t i = 0; i < n; ++i) block += row;
      block[header.size() + static_cast<std::size_t>(j) * (n + 1) + j] = InvalidBytes[k % 9];
      EXPECT_EQ(readBlock(block),
                Failure(163, InputPrefix + cellFault(j, j, background, InvalidBytes[k % 9])))
          << "n " << n << " column " << j + 1;
    }
  }
}

TEST(ReadTestCase, FillsTheRecord) {
  TestCase read;
  ASSERT_EQ(readBlock("\r\n7\r\n3 2 1 4\r\nR..\r\n.#.\r\n...", &read), Passes);
  const TestCase expected = testCaseOf({"R..", ".#.", "..."}, 2, 1, 4, 7);
  EXPECT_EQ(read, expected);
  EXPECT_EQ(read.grid.cell(1, 1), '#');
}

}  // namespace
