#include "textio/line_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/failure.h"
#include "tests/support/temp_file.h"

namespace {

TEST(LineReader, CountsEveryLineReadAndTheSurplusLine) {
  for (const char* text : {"one\ntwo\nthree\n", "one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"}) {
    TempFile file(text);
    TextFile in(file.path());
    LineReader reader{in};
    std::string line;
    for (const char* expected : {"one", "two", "three"}) {
      readLine(reader, line);
      EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(reader.lineNo, 3);
    expectEnd(reader);
    EXPECT_EQ(reader.lineNo, 4);
  }
}

TEST(LineReader, MissingLinesFailWithTheirNumber) {
  TempFile empty("");
  TextFile emptyIn(empty.path());
  LineReader emptyReader{emptyIn};
  std::string line;
  EXPECT_EQ(failureOf([&] { readLine(emptyReader, line); }), Failure(69, "manjka 1. vrstica"));
  EXPECT_EQ(emptyReader.lineNo, 1);

  TextFile missingIn(TempFile::uniquePath());
  LineReader missingReader{missingIn};
  EXPECT_EQ(failureOf([&] { readLine(missingReader, line); }), Failure(69, "manjka 1. vrstica"));

  TempFile two("a\nb\n");
  TextFile twoIn(two.path());
  LineReader twoReader{twoIn};
  readLine(twoReader, line);
  readLine(twoReader, line);
  EXPECT_EQ(failureOf([&] { readLine(twoReader, line); }), Failure(69, "manjka 3. vrstica"));
  EXPECT_EQ(twoReader.lineNo, 3);
  EXPECT_EQ(failureOf([&] { readRow(twoReader, nullptr, 0); }), Failure(69, "manjka 4. vrstica"));
}

TEST(LineReader, AnOptionalReadCountsOnlyTheLinesItGets) {
  TempFile file("a\n\n");
  TextFile in(file.path());
  LineReader reader{in};
  std::string line = "old";
  EXPECT_TRUE(readLineIfPresent(reader, line));
  EXPECT_EQ(line, "a");
  EXPECT_TRUE(readLineIfPresent(reader, line));
  EXPECT_EQ(line, "");
  EXPECT_FALSE(readLineIfPresent(reader, line));
  EXPECT_EQ(reader.lineNo, 2);
  EXPECT_EQ(failureOf([&] { readLine(reader, line); }), Failure(69, "manjka 3. vrstica"));
}

TEST(LineReader, AnySurplusLineFailsExpectEnd) {
  for (const char* text : {"a\nb\nc\n\n", "a\nb\nc\n  ", "a\nb\nc\n\r"}) {
    TempFile file(text);
    TextFile in(file.path());
    LineReader reader{in};
    std::string line;
    for (int i = 0; i < 3; ++i) readLine(reader, line);
    EXPECT_EQ(failureOf([&] { expectEnd(reader); }),
              Failure(73, "prisotna je tudi 4. vrstica, pricakoval bi konec datoteke"));
  }
}

TEST(LineReader, ReadRowMeasuresEveryLineAndKeepsOnlyRowsOfTheWidth) {
  const std::string longRow(1'000'000, '#');
  TempFile file("R.#\r\n..\n" + longRow + "\n\n.#.");
  TextFile in(file.path(), 4);
  LineReader reader{in};
  char row[4] = "???";
  EXPECT_EQ(readRow(reader, row, 3), 3u);
  EXPECT_EQ(std::string(row), "R.#");
  EXPECT_EQ(readRow(reader, row, 3), 2u);
  EXPECT_EQ(readRow(reader, row, 3), longRow.size());
  EXPECT_EQ(readRow(reader, row, 3), 0u);
  EXPECT_EQ(readRow(reader, row, 3), 3u);
  EXPECT_EQ(std::string(row), ".#.");
  EXPECT_EQ(reader.lineNo, 5);
}

}  // namespace
