#include "standings/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Csv, AFieldIsQuotedOnlyWhereItMustBeAndReadsBack) {
  const std::vector<std::pair<CsvRecord, std::string>> cases = {
      {{"a", "", "1"}, "a,,1\n"},
      {{"x,y", "say \"hi\"", "two\nlines", "cr\rhere"},
       "\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\rhere\"\n"},
      {{"\xc5\xbe \xc2\x85"}, "\xc5\xbe \xc2\x85\n"},
  };
  for (const auto& [record, line] : cases) {
    std::string written;
    appendCsvRecord(written, record);
    EXPECT_EQ(written, line);
    EXPECT_EQ(parseCsv(written), (std::vector<CsvRecord>{record})) << line;
  }
}

TEST(Csv, ReadsCrLfLineEndsAndRefusesQuotesOutOfPlace) {
  EXPECT_EQ(parseCsv("a,b\r\n\"c\r\nd\",e\r\n"),
            (std::vector<CsvRecord>{{"a", "b"}, {"c\r\nd", "e"}}));
  EXPECT_EQ(parseCsv("a,b"), (std::vector<CsvRecord>{{"a", "b"}}));
  for (const char* malformed : {"\"open\n", "a\"b\n", "\"a\"b\n"}) {
    EXPECT_EQ(parseCsv(malformed), std::nullopt) << malformed;
  }
}

}  // namespace
