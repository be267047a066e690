#include "driver/diagnosis_json.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/records.h"
#include "tests/support/scratch_stream.h"
#include "tests/support/temp_file.h"

namespace {

using namespace std::string_literals;

/// The document that `write` makes on a scratch stream.
template <class Write>
std::string written(Write&& write) {
  return writtenToStream([&](std::FILE* file) {
    DiagnosisJson json(file);
    write(json);
    json.finish();
  });
}

TEST(DiagnosisJson, WritesEveryBlockAndTheStop) {
  TempFile input("Mrezovje\n1\n\n1\n2 1 1 2\nR.\n..\n");
  TempFile submission("000001\nMrezovje\n1\n.#\n..\n\n1\n#x\n..\n1\n");
  EXPECT_EQ(written([&](DiagnosisJson& json) { diagnose(input.path(), submission.path(), json); }),
            "{\"blocks\": [\n"
            "{\"line\": 3, \"testCase\": 1, \"verdict\": \"refused\", \"message\": \"[napaka v "
            "resitvi, ki se zacne v 3. vrstici oddane datoteke] 1. polje v 1. vrstici je v vhodni "
            "mrezi rdece, v izhodni pa belo\", \"faults\": {\"invalidCell\": 0, \"redChanged\": 1, "
            "\"blackChanged\": 0, \"whiteToRed\": 0, \"tooFewWhite\": 0, \"tooManyBlack\": 0}, "
            "\"cells\": [{\"row\": 1, \"column\": 1, \"fault\": \"redChanged\", \"message\": \"1. "
            "polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo\"}], "
            "\"cellsLeftOut\": 0},\n"
            "{\"line\": 7, \"testCase\": 1, \"verdict\": \"refused\", \"message\": \"[napaka v "
            "resitvi, ki se zacne v 7. vrstici oddane datoteke] 1. polje v 1. vrstici je v vhodni "
            "mrezi rdece, v izhodni pa crno\", \"faults\": {\"invalidCell\": 1, \"redChanged\": 1, "
            "\"blackChanged\": 0, \"whiteToRed\": 0, \"tooFewWhite\": 0, \"tooManyBlack\": 0}, "
            "\"cells\": [{\"row\": 1, \"column\": 1, \"fault\": \"redChanged\", \"message\": \"1. "
            "polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa crno\"}, {\"row\": 1, "
            "\"column\": 2, \"fault\": \"invalidCell\", \"message\": \"2. polje v 1. vrstici je "
            "neveljaven znak (koda 120), ki ni niti R niti # niti pika\"}], \"cellsLeftOut\": 0}\n"
            "],\n"
            "\"stop\": {\"check\": 69, \"message\": \"manjka 11. vrstica\"}}\n");
}

TEST(DiagnosisJson, AnAcceptedBlockGivesItsNearPairsAndNoStopIsNull) {
  TempFile input("Mrezovje\n1\n\n1\n2 1 1 3\n..\n..\n");
  TempFile submission("000001\nMrezovje\n1\n#.\n.#\n");
  EXPECT_EQ(written([&](DiagnosisJson& json) { diagnose(input.path(), submission.path(), json); }),
            "{\"blocks\": [\n"
            "{\"line\": 3, \"testCase\": 1, \"verdict\": \"accepted\", \"nearPairs\": 1}\n"
            "],\n\"stop\": null}\n");
  EXPECT_EQ(written([](DiagnosisJson&) {}), "{\"blocks\": [],\n\"stop\": null}\n");
}

TEST(DiagnosisJson, AnyByteGivesValidJson) {
  const std::string bytes = "a\"\\\0\x1f \x7f\x80\x9f\xa0\xff"s;
  EXPECT_EQ(written([&](DiagnosisJson& json) {
              json.takeStop({263, bytes});
            }),
            "{\"blocks\": [],\n\"stop\": {\"check\": 263, \"message\": "
            "\"a\\\"\\\\\\u0000\\u001f \\u007f\\u0080\\u009f\xc2\xa0\xc3\xbf\"}}\n");
  EXPECT_EQ(written([&](DiagnosisJson& json) {
              json.takeStop({0, "x"});
            }),
            "{\"blocks\": [],\n\"stop\": {\"check\": null, \"message\": \"x\"}}\n");
}

TEST(DiagnosisJson, CountsTheFaultsLeftOutOfTheList) {
  const TestCase testCase = testCaseOf({"..", ".."}, 1, 1, 1);
  BlockDiagnosis block{5, 0, &testCase, {FaultList(1), 0}};
  for (int32_t j = 0; j < 2; ++j) block.grid.faults.add({0, j, FaultKind::WhiteToRed, 'R'});
  block.grid.faults.add({1, 0, FaultKind::InvalidCell, 0});
  const std::string json = written([&](DiagnosisJson& out) { out.takeBlock(block); });
  EXPECT_NE(json.find("\"whiteToRed\": 2, \"tooFewWhite\": 0"), std::string::npos) << json;
  EXPECT_NE(json.find("\"invalidCell\": 1,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"message\": \"1. polje v 1. vrstici je v vhodni mrezi belo, v izhodni pa "
                      "rdece\"}], \"cellsLeftOut\": 2}"),
            std::string::npos)
      << json;
}

}  // namespace
