#include "viewer/viewer_session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/temp_file.h"

namespace {

const std::string Input = "Mrezovje\n2\n\n1\n3 1 1 4\nR..\n.#.\n...\n\n2\n2 1 1 3\n#.\n.R\n";
const std::string Submission = "000123\nMrezovje\n\n2\n##\n.R\n\n1\nR#.\n###\n.#.\n";

/// What a session ends with, and how many one-step calls took it there.
struct Outcome {
  int64_t blocks = 0;
  int64_t refused = 0;
  int64_t nearPairs = 0;
  int32_t stopCheck = -1;
  int64_t inputSteps = 0;
  int64_t steps = 0;
};

/// Runs a session on the two texts, one step a call (or all at once), checking that no block
/// is judged while the input file is read.
Outcome run(const std::string& input, bool oneStepACall) {
  TempFile inputFile(input);
  TempFile submissionFile(Submission);
  ViewerSession session;
  session.start(inputFile.path(), submissionFile.path());
  Outcome outcome;
  if (oneStepACall) {
    for (bool more = true; more; ++outcome.steps) {
      if (session.readingInput()) {
        ++outcome.inputSteps;
        EXPECT_EQ(session.summary().blockCount(), 0);
      }
      more = session.diagnose(1);
    }
  } else {
    // The input's end ends the first call.
    const bool more = session.diagnose(1000);
    EXPECT_FALSE(session.readingInput());
    EXPECT_EQ(session.summary().blockCount(), 0);
    if (more) {
      EXPECT_FALSE(session.diagnose(1000));
    }
  }
  EXPECT_FALSE(session.readingInput());
  outcome.blocks = session.summary().blockCount();
  outcome.refused = session.summary().refusedCount();
  outcome.nearPairs = session.acceptedNearPairs();
  if (session.summary().stop()) outcome.stopCheck = session.summary().stop()->check;
  return outcome;
}

TEST(ViewerSession, ReadsTheInputATestCaseAStepThenJudgesTheBlocks) {
  const Outcome stepped = run(Input, true);
  const Outcome whole = run(Input, false);
  // Two test cases, then the end of the file; two blocks, then the end of the submission.
  EXPECT_EQ(stepped.inputSteps, 3);
  EXPECT_EQ(stepped.steps, 6);
  EXPECT_EQ(stepped.blocks, 2);
  EXPECT_EQ(stepped.refused, 0);
  EXPECT_EQ(stepped.stopCheck, -1);
  EXPECT_EQ(stepped.nearPairs, whole.nearPairs);
  EXPECT_EQ(stepped.blocks, whole.blocks);
}

TEST(ViewerSession, AFaultInTheInputIsTheStopAndLeavesNoBlocks) {
  const std::string secondOutOfOrder =
      "Mrezovje\n2\n\n1\n3 1 1 4\nR..\n.#.\n...\n\n3\n2 1 1 3\n#.\n.R\n";
  for (const bool oneStepACall : {true, false}) {
    const Outcome outcome = run(secondOutOfOrder, oneStepACall);
    EXPECT_EQ(outcome.blocks, 0);
    EXPECT_EQ(outcome.stopCheck, 185);
  }
  EXPECT_EQ(run(secondOutOfOrder, true).inputSteps, 2);
}

}  // namespace
