#include "hosts/host_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(HostText, KeepsPrintableAsciiAndEscapesEveryOtherByte) {
  EXPECT_EQ(hostText("Napaka [Mrezovnik:221]: 1. polje"), "Napaka [Mrezovnik:221]: 1. polje");
  EXPECT_EQ(hostText("a\\b\tc\rd\0e\x7f\x80\xff%"s), "a\\\\b\\x09c\\x0dd\\x00e\\x7f\\x80\\xff%");
  const std::string longLine(HostTextLimit + 5, 'x');
  EXPECT_EQ(hostText(longLine), std::string(HostTextLimit, 'x') + " ... (5 more bytes)");
}

}  // namespace
