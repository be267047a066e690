#include "generator/generate_input.h"

#include <cstdint>

#include "generator/grid_drawing.h"
#include "generator/input_file_writer.h"
#include "generator/parameter_draws.h"
#include "generator/random_source.h"
#include "judge/check_grid.h"

TestCase TestCaseGenerator::generate(int32_t number) {
  RandomSource random(partSeed(options_.seed, static_cast<uint64_t>(number)));
  const TestParameters p = drawParameters(options_, random);
  rows_.resize(p.n);
  drawCells(rows_, p.redPercent, p.blackPercent, random);
  repair_.repair(rows_, p.d, p.b, p.c);
  TestCase testCase;
  testCase.taskName = TaskName;
  testCase.number = number;
  testCase.n = p.n;
  testCase.d = p.d;
  testCase.b = p.b;
  testCase.c = p.c;
  testCase.grid = PackedGrid(rows_);
  return testCase;
}

GenResult writeInputFile(const GenOptions& options, std::FILE* out) {
  const int32_t testCount = drawTestCount(options);
  InputFileWriter writer(out);
  writer.writeHeader(testCount);
  TestCaseGenerator generator(options);
  for (int32_t number = 1; number <= testCount && !writer.failed(); ++number) {
    const TestCase testCase = generator.generate(number);
    GenResult result;
    int64_t nearPairs = 0;
    if (!checkOwnGrid(testCase, generator.rows(), result.message, nearPairs)) {
      result.outcome = GenOutcome::GridRefused;
      result.message = "test case " + std::to_string(number) + ": " + result.message;
      return result;
    }
    writer.writeTestCase(testCase, generator.rows());
  }
  return {writer.finish() ? GenOutcome::Written : GenOutcome::WriteFailed, {}};
}
