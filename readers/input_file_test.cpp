#include "readers/input_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/failure.h"
#include "tests/support/temp_file.h"

namespace {

using namespace std::string_literals;

/// The design's example: two test cases, the second block starting on line 9.
const std::string Example = "Mrezovje\n2\n\n1\n3 1 1 4\nR..\n.#.\n...\n\n2\n2 1 1 3\n#.\n.R\n";

/// The example with the text of line `lineNo` (from 1) replaced.
std::string withLine(std::string text, int lineNo, const std::string& line) {
  std::size_t start = 0;
  for (int i = 1; i < lineNo; ++i) start = text.find('\n', start) + 1;
  const std::size_t end = text.find('\n', start);
  return text.replace(start, end - start, line);
}

Failure readFile(const std::string& text, std::vector<TestCase>* read = nullptr) {
  TempFile file(text);
  std::vector<TestCase> testCases;
  Failure failure = failureOf([&] { readInputFile(file.path(), testCases); });
  if (read != nullptr) *read = testCases;
  return failure;
}

const Failure Passes{0, "<no failure>"};

Failure line2(const std::string& text) {
  return {178, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"" + text + "\""};
}

struct FileCase {
  std::string what;
  std::string text;
  Failure failure;
};

TEST(ReadInputFile, ChecksTheWholeFileInOrder) {
  const std::string Name173 = "v prvi vrstici bi moral biti niz \"Mrezovje\", ne pa \"";
  const std::vector<FileCase> cases = {
      {"the example", Example, Passes},
      {"no final line feed", Example.substr(0, Example.size() - 1), Passes},
      {"empty file", "", {69, "manjka 1. vrstica"}},
      {"only line 1", "Mrezovje\n", {69, "manjka 2. vrstica"}},
      {"no block", "Mrezovje\n1\n", {69, "manjka 3. vrstica"}},
      {"name with a blank", withLine(Example, 1, "Mrezovje "), {173, Name173 + "Mrezovje \""}},
      {"name in capitals", withLine(Example, 1, "MREZOVJE"), {173, Name173 + "MREZOVJE\""}},
      {"name with CR and NUL",
       withLine(Example, 1, "Mr\rez\0vje"s),
       {173, Name173 + "Mr\rez\0vje\""s}},
      {"count 7 after blanks", withLine(Example, 2, "  7"), {69, "manjka 14. vrstica"}},
      {"count +2", withLine(Example, 2, "+2"), Passes},
      {"count 7 and a blank", withLine(Example, 2, "7 "), line2("7 ")},
      {"count 7x", withLine(Example, 2, "7x"), line2("7x")},
      {"two numbers", withLine(Example, 2, "7 8"), line2("7 8")},
      {"empty count", withLine(Example, 2, ""), line2("")},
      {"count 0", withLine(Example, 2, "0"), line2("0")},
      {"count -1", withLine(Example, 2, "-1"), line2("-1")},
      {"count 101", withLine(Example, 2, "101"), line2("101")},
      {"count past 32 bits", withLine(Example, 2, "4294967298"), line2("4294967298")},
      {"count then NUL", withLine(Example, 2, "2\0x"s), line2("2\0x"s)},
      // Bytes 9 and 13 may stand before the count, 8, 14, 31 and 33 ("!") not (octal escapes).
      {"count after bytes 9 and 13", withLine(Example, 2, "\t\r2"), Passes},
      {"count after byte 8", withLine(Example, 2, "\0102"), line2("\0102")},
      {"count after byte 14", withLine(Example, 2, "\0162"), line2("\0162")},
      {"count after byte 31", withLine(Example, 2, "\0372"), line2("\0372")},
      {"count after byte 33", withLine(Example, 2, "!2"), line2("!2")},
      {"first block numbered 2",
       withLine(Example, 4, "2"),
       {185, "v vrsticah 3..8 bi moral biti testni primer stevilka 1, ne pa 2"}},
      {"second block numbered 3",
       withLine(Example, 10, "3"),
       {185, "v vrsticah 9..13 bi moral biti testni primer stevilka 2, ne pa 3"}},
      {"a block's own fault before its number",
       withLine(withLine(Example, 10, "3"), 13, ".r"),
       {163,
        "[napaka v VHODNI datoteki - to se ne bi smelo zgoditi, obvesti organizatorje] "
        "2. polje v 2. vrstici je neveljaven znak (koda 114), ki ni niti R niti # niti pika"}},
      {"more blocks than the count",
       withLine(Example, 2, "1"),
       {73, "prisotna je tudi 9. vrstica, pricakoval bi konec datoteke"}},
      {"an empty line after the last row",
       Example + "\n",
       {73, "prisotna je tudi 14. vrstica, pricakoval bi konec datoteke"}},
      {"a lone carriage return after the last row",
       Example + "\r",
       {73, "prisotna je tudi 14. vrstica, pricakoval bi konec datoteke"}},
  };
  for (const FileCase& c : cases) EXPECT_EQ(readFile(c.text), c.failure) << c.what;
}

TEST(ReadInputFile, TakesAHundredTestCasesButNotAHundredAndOne) {
  auto fileOf = [](int count) {
    std::string text = "Mrezovje\n" + std::to_string(count) + "\n";
    for (int k = 1; k <= count; ++k)
      text.append("\n").append(std::to_string(k)).append("\n1 1 1 1\nR\n");
    return text;
  };
  std::vector<TestCase> read;
  EXPECT_EQ(readFile(fileOf(100), &read), Passes);
  ASSERT_EQ(read.size(), 100U);
  EXPECT_EQ(read.back().number, 100);
  EXPECT_EQ(readFile(fileOf(101)), line2("101"));
}

TEST(ReadInputFile, CrLfFilesReadLikeLfFiles) {
  std::string crlf;
  for (char byte : Example) {
    if (byte == '\n') crlf += '\r';
    crlf += byte;
  }
  std::vector<TestCase> fromLf, fromCrLf;
  ASSERT_EQ(readFile(Example, &fromLf), Passes);
  ASSERT_EQ(readFile(crlf, &fromCrLf), Passes);
  EXPECT_EQ(fromCrLf, fromLf);
  ASSERT_EQ(fromLf.size(), 2u);
  EXPECT_EQ(fromLf[1].number, 2);
  EXPECT_EQ(fromLf[1].grid.cell(1, 1), 'R');
  EXPECT_EQ(readFile(withLine(crlf, 13, ".R\r\r")),
            Failure(160, "2. vrstica bi morala imeti n = 2 znakov, ne pa 3"));
}

TEST(ReadInputFile, AFileThatCannotBeOpenedReadsAsEmpty) {
  std::vector<TestCase> testCases;
  EXPECT_EQ(failureOf([&] { readInputFile(TempFile::uniquePath(), testCases); }),
            Failure(69, "manjka 1. vrstica"));
}

}  // namespace
