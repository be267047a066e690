// gen_cases: writes an input file and a submission for the evaluator, up to full size, with
// the report and standard output that evaluating them must give. Those expected results are
// counted and worded by the reference (tests/reference/), which shares nothing with the
// evaluator, so that comparing them with the evaluator's also checks it.
//
//   gen_cases --out DIR [--tests T] [--n N] [--seed S] [--variant ok|fail-last|crlf|refuse-all]
//
// Equal arguments give byte-equal files: every draw is the raw output of std::mt19937_64,
// reduced by hand, never through a standard distribution.

#include <cstdio>
#include <exception>

#include "tools/gen_cases/generate.h"
#include "tools/gen_cases/options.h"

int main(int argc, char** argv) {
  try {
    generate(parseOptions(argc, argv));
    return 0;
  } catch (const UsageError& error) {
    std::fprintf(stderr, "gen_cases: %s\n%.*s", error.what(), static_cast<int>(Usage.size()),
                 Usage.data());
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "gen_cases: %s\n", error.what());
    return 1;
  }
}
