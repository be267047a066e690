#include "viewer/viewer_merge.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_file.h"

namespace {

const std::string Input = "Mrezovje\n2\n\n1\n3 1 1 4\nR..\n.#.\n...\n\n2\n2 1 1 3\n#.\n.R\n";
/// Test case 1 with five black cells, and test case 2.
const std::string Painted = "000123\nMrezovje\n\n2\n##\n.R\n\n1\nR#.\n###\n.#.\n";
/// Test case 1 as the input has it (no near pair), with CR LF line ends.
const std::string AsGiven = "000777\r\nMrezovje\r\n1\r\nR..\r\n.#.\r\n...\r\n";

TEST(ViewerMerge, GivesTheMergedBytesOrWhatStoppedTheMerge) {
  const TempFile painted(Painted);
  const TempFile asGiven(AsGiven);
  const struct {
    std::string input;
    Better better;
    bool failed;
    /// The merged bytes, or the start of what stopped the merge.
    std::string text;
  } cases[] = {
      {Input, Better::Higher, false, "000123\nMrezovje\n1\nR#.\n###\n.#.\n2\n##\n.R\n"},
      {Input, Better::Lower, false, "000123\nMrezovje\n1\nR..\n.#.\n...\n2\n##\n.R\n"},
      // Test case 3 after test case 1: the input file's failure line.
      {"Mrezovje\n2\n\n1\n3 1 1 4\nR..\n.#.\n...\n\n3\n2 1 1 3\n#.\n.R\n", Better::Higher, true,
       "Napaka [Mrezovnik:185]"},
  };
  for (const auto& c : cases) {
    const TempFile input(c.input);
    const ViewerMerge merge =
        mergeSubmissions(input.path(), {painted.path(), asGiven.path()}, c.better);
    EXPECT_EQ(merge.failed, c.failed);
    if (c.failed) {
      EXPECT_TRUE(merge.text.starts_with(c.text)) << merge.text;
    } else {
      EXPECT_EQ(merge.text, c.text);
    }
  }
}

}  // namespace
