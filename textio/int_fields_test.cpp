#include "textio/int_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/failure.h"
#include "tests/support/temp_file.h"

namespace {

using namespace std::string_literals;
using Values = std::vector<int32_t>;

struct ParseCase {
  std::string text;
  Values values;    // when the line parses
  Failure failure;  // when it does not: {0, ...} means it parses
};

TEST(ParseInts, AcceptsSeparatedNonNegativeNumbersAndRejectsTheFirstBadByte) {
  const Failure ok{0, "<no failure>"};
  const std::vector<ParseCase> cases = {
      {"", {}, ok},
      {" \t \r\v\f", {}, ok},
      {"  3   10\t0 7 ", {3, 10, 0, 7}, ok},
      {"007", {7}, ok},
      {"1\v2\f3\r4", {1, 2, 3, 4}, ok},
      // Bytes 8, 14, 31 and 33 ("!"), just outside the separators; octal escapes end at 3 digits.
      {"1\0102", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 8"}},
      {"1\0162", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 14"}},
      {"1\0372", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 31"}},
      {"1!2", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 33"}},
      {"2147483647", {2147483647}, ok},
      {"2147483648",
       {},
       {57, "stevilo 2147483648 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
      {"00002147483648",
       {},
       {57, "stevilo 2147483648 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
      {"99999999999",
       {},
       {57, "stevilo 9999999999 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
      {"2147483650x",
       {},
       {57, "stevilo 2147483650 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
      {"214748364 21474836470",
       {},
       {57, "stevilo 21474836470 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
      {"5 -3", {}, {48, "namesto stevke se v 2. vrstici pojavlja znak '-' (minus)"}},
      {"5-", {}, {48, "namesto stevke se v 2. vrstici pojavlja znak '-' (minus)"}},
      {"-", {}, {48, "namesto stevke se v 2. vrstici pojavlja znak '-' (minus)"}},
      {"+7", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 43"}},
      {"1,2", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 44"}},
      {"3.5", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 46"}},
      {"12a", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 97"}},
      {"1 \xc4", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 196"}},
      {"1\0"s, {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 0"}},
      {"x -", {}, {50, "namesto stevke se v 2. vrstici pojavlja znak s kodo 120"}},
      {"99999999999 x",
       {},
       {57, "stevilo 9999999999 (v 2. vrstici) je preveliko (vecje od 2147483647)"}},
  };
  for (const ParseCase& c : cases) {
    Values values = {99};
    EXPECT_EQ(failureOf([&] { parseInts(c.text, values, 2); }), c.failure) << c.text;
    if (c.failure.first == 0) {
      EXPECT_EQ(values, c.values) << c.text;
    }
  }
}

struct ReadCase {
  std::string line;
  int32_t count;
  Failure failure;
};

TEST(ReadInts, ChecksTheCountOnlyAfterTheWholeLineParsed) {
  const std::vector<ReadCase> cases = {
      {"", 4, {72, "v 5. vrstici bi moralo biti 4 stevil, ne pa 0"}},
      {"   ", 1, {72, "v 5. vrstici bi moralo biti 1 stevil, ne pa 0"}},
      {"1 2 3", 2, {72, "v 5. vrstici bi moralo biti 2 stevil, ne pa 3"}},
      {"1 2 3 x", 2, {50, "namesto stevke se v 5. vrstici pojavlja znak s kodo 120"}},
      {"1 2 3 4 5", 4, {72, "v 5. vrstici bi moralo biti 4 stevil, ne pa 5"}},
      {"3 1 -1 4", 4, {48, "namesto stevke se v 5. vrstici pojavlja znak '-' (minus)"}},
  };
  for (const ReadCase& c : cases) {
    TempFile file("1\n2\n3\n4\n" + c.line + "\n");
    TextFile in(file.path());
    LineReader reader{in};
    std::string skipped;
    for (int i = 0; i < 4; ++i) readLine(reader, skipped);
    Values values;
    EXPECT_EQ(failureOf([&] { readInts(reader, values, c.count); }), c.failure) << c.line;
  }
}

TEST(ReadInts, ReadsNumbersSplitAcrossChunksAndCountsTheLine) {
  const std::string longLine = std::string(100000, ' ') + "3 1 1 4" + std::string(70000, '\t');
  TempFile file(longLine + "\r\n0000000000000000000000000000012");
  TextFile in(file.path(), 3);
  LineReader reader{in};
  Values values;
  readInts(reader, values, 4);
  EXPECT_EQ(values, (Values{3, 1, 1, 4}));
  readInts(reader, values, 1);
  EXPECT_EQ(values, (Values{12}));
  EXPECT_EQ(reader.lineNo, 2);
  EXPECT_EQ(failureOf([&] { readInts(reader, values, 1); }), Failure(69, "manjka 3. vrstica"));
}

struct LoneCase {
  std::string line;
  bool accepted;
  int32_t value;
};

TEST(ParseLoneInt, ReadsOneNumberWithNothingAfterIt) {
  const std::vector<LoneCase> cases = {
      {"7", true, 7},
      {"  7", true, 7},
      {"+7", true, 7},
      {"\t\v\f\r 7", true, 7},
      {"\0107", false, 0},
      {"\0167", false, 0},
      {"\0377", false, 0},
      {"!7", false, 0},
      {"02", true, 2},
      {"0", true, 0},
      {"-1", true, -1},
      {"-0", true, 0},
      {"101", true, 101},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {std::string(100000, '0') + "5", true, 5},
      {"", false, 0},
      {"   ", false, 0},
      {"7 ", false, 0},
      {"7x", false, 0},
      {"7 8", false, 0},
      {"x", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"+-2", false, 0},
      {"- 2", false, 0},
      {"0x10", false, 0},
      {"7\r", false, 0},
      {"7\0"s, false, 0},
      {"7\0garbage"s, false, 0},
      {"\0"
       "7"s,
       false, 0},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"4294967297", false, 0},
      {"99999999999999999999999", false, 0},
      {std::string(100000, '9'), false, 0},
  };
  for (const LoneCase& c : cases) {
    int32_t value = 12345;
    EXPECT_EQ(parseLoneInt(c.line, value), c.accepted) << c.line;
    EXPECT_EQ(value, c.accepted ? c.value : 12345) << c.line;
  }
}

}  // namespace
