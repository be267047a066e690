#include "grid/test_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/records.h"

namespace {

TEST(TestCase, ACopyOfARecordComparesEqualFieldByField) {
  const TestCase record = testCaseOf({"#.", ".R"}, 1, 1, 3);
  TestCase copy = record;
  EXPECT_EQ(copy, record);
  copy.grid = PackedGrid(gridOf({"#.", ".."}));
  EXPECT_NE(copy, record);
}

}  // namespace
