#include "textio/assertion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "textio/message.h"

namespace {

TEST(Assertion, CarriesMessageFileAndCheckNumber) {
  bool thrown = false;
  try {
    throwAssertion("manjka 7. vrstica", "reader.cpp", Check::MissingLine);
  } catch (const EAssertion& failure) {
    thrown = true;
    const EAssertion copy = failure;
    EXPECT_EQ(copy.message, "manjka 7. vrstica");
    EXPECT_EQ(copy.file, "reader.cpp");
    EXPECT_EQ(copy.line, 69);
  }
  EXPECT_TRUE(thrown);
}

TEST(Assertion, MessagesInsertNumbersAsPlainDecimalAndBytesByUnsignedCode) {
  EXPECT_EQ(composeMessage("manjka ", int32_t{7}, ". vrstica"), "manjka 7. vrstica");
  EXPECT_EQ(composeMessage(std::numeric_limits<int32_t>::max()), "2147483647");
  EXPECT_EQ(composeMessage(int32_t{-1}, " ", uint64_t{0}), "-1 0");
  EXPECT_EQ(composeMessage(int64_t{1} << 40), "1099511627776");
  EXPECT_EQ(composeMessage("koda ", byteCode('\xc4'), ", ", byteCode('\0'), ", ", byteCode('\t')),
            "koda 196, 0, 9");
  EXPECT_EQ(composeMessage("\"", std::string("a\0%s", 4), "\""), std::string("\"a\0%s\"", 6));
}

}  // namespace
