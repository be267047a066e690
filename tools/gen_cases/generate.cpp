#include "tools/gen_cases/generate.h"

#include <string>
#include <utility>
#include <vector>

#include "tools/gen_cases/case_building.h"
#include "tools/gen_cases/expected_results.h"
#include "tools/gen_cases/line_file.h"
#include "tools/gen_cases/random_draws.h"

namespace {

/// The task name that both files begin with.
constexpr std::string_view TaskName = "Mrezovje";

/// The test case numbers 1..tests in the order of the submission's blocks.
std::vector<int32_t> submissionOrder(int32_t tests, Random& random) {
  std::vector<int32_t> order(static_cast<std::size_t>(tests));
  for (int32_t k = 1; k <= tests; ++k) order[static_cast<std::size_t>(k - 1)] = k;
  for (std::size_t i = order.size(); i > 1; --i) {
    std::swap(order[i - 1], order[random.below(i)]);
  }
  return order;
}

/// A contestant number: six digits.
std::string contestantNumber(Random& random) {
  std::string digits = std::to_string(random.below(1000000));
  return std::string(6 - digits.size(), '0') + digits;
}

/// Writes the block of test case k to the input file.
void writeInputBlock(LineFile& file, int32_t k, const Case& testCase) {
  const Parameters& p = testCase.parameters;
  file.line("");
  file.line(std::to_string(k));
  file.line(std::to_string(p.n) + ' ' + std::to_string(p.d) + ' ' + std::to_string(p.b) + ' ' +
            std::to_string(p.c));
  file.grid(testCase.input);
}

/// Every test case's answer and its verdict, in test case order.
struct Answers {
  /// The answer grids.
  std::vector<Rows> grids;
  /// What checking each gives.
  std::vector<Verdict> verdicts;
};

/// Builds every test case and writes the input file; keeps the answers for the submission.
Answers writeInputFile(const Options& options, std::string_view lineEnd, int32_t failingNumber) {
  LineFile input(options.out / "input.txt", lineEnd);
  input.line(TaskName);
  input.line(std::to_string(options.tests));
  Answers answers;
  SummedCounts counts;
  for (int32_t k = 1; k <= options.tests; ++k) {
    Case testCase = buildCase(options, k, k == failingNumber, counts);
    requireWellFormed(testCase, k, counts);
    writeInputBlock(input, k, testCase);
    if (options.variant == Variant::RefuseAll) {
      Random faultRandom(
          partSeed(options.seed, static_cast<uint64_t>(options.tests) + static_cast<uint64_t>(k)));
      testCase.answer = spreadFaults(testCase.input, std::move(testCase.answer), faultRandom);
    }
    answers.verdicts.push_back(verdictOf(counts, testCase));
    answers.grids.push_back(std::move(testCase.answer));
  }
  input.close();
  return answers;
}

/// Writes the submission's blocks in `order`, an empty line before about one in four; gives
/// where each block begins and its verdict.
std::vector<SubmittedBlock> writeSubmission(const Options& options, std::string_view lineEnd,
                                            const std::vector<int32_t>& order,
                                            const Answers& answers, Random& runRandom) {
  LineFile submission(options.out / "submission.txt", lineEnd);
  submission.line(contestantNumber(runRandom));
  submission.line(TaskName);
  std::vector<SubmittedBlock> blocks;
  for (const int32_t k : order) {
    const auto index = static_cast<std::size_t>(k - 1);
    if (runRandom.below(4) == 0) submission.line("");
    submission.line(std::to_string(k));
    blocks.push_back({k, submission.lines(), answers.verdicts[index]});
    submission.grid(answers.grids[index]);
  }
  submission.close();
  return blocks;
}

}  // namespace

void generate(const Options& options) {
  std::filesystem::create_directories(options.out);
  const std::string_view lineEnd = options.variant == Variant::Crlf ? "\r\n" : "\n";
  Random runRandom(partSeed(options.seed, 0));
  const std::vector<int32_t> order = submissionOrder(options.tests, runRandom);
  const int32_t failingNumber = options.variant == Variant::FailLast ? order.back() : 0;
  const Answers answers = writeInputFile(options, lineEnd, failingNumber);
  const std::vector<SubmittedBlock> blocks =
      writeSubmission(options, lineEnd, order, answers, runRandom);
  requireIntendedVerdicts(blocks, options.variant);
  writeText(options.out / "expected-report.txt", expectedReport(blocks));
  writeText(options.out / "expected-stdout.txt", expectedStdout(blocks));
}
