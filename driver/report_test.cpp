#include "driver/report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/scratch_stream.h"

namespace {

using namespace std::string_literals;

TEST(Report, SuccessFormListsResultsInSubmissionOrder) {
  const std::vector<TestResult> results = {{3, 0}, {1, 12}, {3, 5'000'000'000}};
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeSuccessReport(f, results); }),
            "OK\n3\n3 0\n1 12\n3 5000000000\n");
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeSuccessReport(f, {}); }), "OK\n0\n");
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { printSummary(f, results); }),
            "Testni primer 3: 0 parov bliznjih crnih polj.\n"
            "Testni primer 1: 12 parov bliznjih crnih polj.\n"
            "Testni primer 3: 5000000000 parov bliznjih crnih polj.\n");
  std::size_t leftOut = 0;
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { leftOut = printSummary(f, results, 1); }),
            summaryLine(results[0]) + "\n");
  EXPECT_EQ(leftOut, 2u);
  EXPECT_EQ(summaryLine(results[2]), "Testni primer 3: 5000000000 parov bliznjih crnih polj.");
}

TEST(Report, FailureFormCopiesTheMessageAsDataUpToItsFirstNul) {
  EXPECT_EQ(writtenToStream([](std::FILE* f) {
              writeFailureReport(f, 248, "stevilka tekmovalca bi morala imeti 6 stevk");
            }),
            "Napaka [Mrezovnik:248]: stevilka tekmovalca bi morala imeti 6 stevk\n-1\n");
  EXPECT_EQ(
      writtenToStream([](std::FILE* f) { writeFailureReport(f, 263, "ne pa \"%d %s\t\r\""); }),
      "Napaka [Mrezovnik:263]: ne pa \"%d %s\t\r\"\n-1\n");
  EXPECT_EQ(writtenToStream([](std::FILE* f) { writeFailureReport(f, 263, "ne pa \"2\0x\""s); }),
            "Napaka [Mrezovnik:263]: ne pa \"2\n-1\n");
}

TEST(Report, TheOutcomeChoosesTheForm) {
  Outcome outcome;
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeReport(f, outcome); }),
            failureReportLine(outcome) + "\n-1\n");
  EXPECT_EQ(failureReportLine(outcome),
            "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.");
  outcome.failure = {Check::MissingLine, "manjka 1. vrstica\0x"s};
  for (const OutcomeKind kind : {OutcomeKind::Refused, OutcomeKind::InputFault}) {
    outcome.kind = kind;
    EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeReport(f, outcome); }),
              failureLine(Check::MissingLine, "manjka 1. vrstica\0x"s) + "\n-1\n");
    EXPECT_EQ(failureReportLine(outcome), "Napaka [Mrezovnik:69]: manjka 1. vrstica");
  }
  EXPECT_EQ(failureLine(Check::MissingLine, "manjka 1. vrstica"),
            "Napaka [Mrezovnik:69]: manjka 1. vrstica");
  outcome = {OutcomeKind::Accepted, {{2, 7}}, 2, {}, 0};
  EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeReport(f, outcome); }), "OK\n1\n2 7\n");
}

TEST(Report, UnexpectedFormIsFixed) {
  EXPECT_EQ(writtenToStream([](std::FILE* f) { writeUnexpectedReport(f); }),
            "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n");
}

TEST(Report, CloseTellsWhetherTheReportReachedTheFile) {
  std::FILE* scratch = std::tmpfile();
  writeSuccessReport(scratch, {});
  EXPECT_TRUE(closeReport(scratch));

#ifdef _WIN32
  GTEST_SKIP() << "Windows has no device that is always full";
#endif
  std::FILE* full = std::fopen("/dev/full", "wt");
  ASSERT_NE(full, nullptr);
  writeSuccessReport(full, {{1, 2}});
  EXPECT_FALSE(closeReport(full));
}

}  // namespace
