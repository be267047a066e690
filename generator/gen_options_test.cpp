#include "generator/gen_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// What parsing a command line gives: "generate", "help", or the refusal's message.
std::string outcomeOf(std::vector<const char*> args, GenOptions* options = nullptr) {
  args.insert(args.begin(), "mrezovnik-gen");
  GenOptions parsed;
  try {
    const bool generate = parseGenOptions(static_cast<int>(args.size()), args.data(), parsed);
    if (options != nullptr) *options = parsed;
    return generate ? "generate" : "help";
  } catch (const GenUsageError& error) {
    return error.what();
  }
}

struct OptionsCase {
  std::vector<const char*> args;
  std::string outcome;
};

TEST(ParseGenOptions, RefusesEachArgumentOutsideTheInputFilesLimits) {
  const std::string Seed = "--seed must be a whole number from 0 to 18446744073709551615, not '";
  const std::vector<OptionsCase> cases = {
      {{"--seed", "7"}, "generate"},
      {{"--help"}, "help"},
      {{"--bogus", "--seed", "--help"}, "help"},
      {{}, "--seed is required: a whole number from 0 to 18446744073709551615"},
      {{"--n", "5"}, "--seed is required: a whole number from 0 to 18446744073709551615"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "-1"}, Seed + "-1'"},
      {{"--seed", "18446744073709551616"}, Seed + "18446744073709551616'"},
      {{"--seed", "1", "--seed", "2"}, "--seed is given twice"},
      {{"--seed", "1", "--size", "5"}, "unknown option '--size'"},
      {{"--seed", "1", "--n=5"}, "unknown option '--n=5'"},
      {{"--seed", "1", "--tests", "0"}, "--tests must be a whole number from 1 to 100, not '0'"},
      {{"--seed", "1", "--tests", "101"},
       "--tests must be a whole number from 1 to 100, not '101'"},
      {{"--seed", "1", "--n", "1001"}, "--n must be a whole number from 1 to 1000, not '1001'"},
      {{"--seed", "1", "--n", "+5"}, "--n must be a whole number from 1 to 1000, not '+5'"},
      {{"--seed", "1", "--n", "5 "}, "--n must be a whole number from 1 to 1000, not '5 '"},
      {{"--seed", "1", "--n", ""}, "--n must be a whole number from 1 to 1000, not ''"},
      {{"--seed", "1", "--d", "0"}, "--d must be a whole number from 1 to 1000, not '0'"},
      {{"--seed", "1", "--d", "6", "--n", "5"},
       "--d must be a whole number from 1 to 5 (at most --n 5), not '6'"},
      {{"--seed", "1", "--b", "4004001"},
       "--b must be a whole number from 1 to 4004000, not '4004001'"},
      {{"--seed", "1", "--d", "2", "--b", "25"},
       "--b must be a whole number from 1 to 24 ((2d+1)^2 - 1 with --d 2), not '25'"},
      {{"--seed", "1", "--n", "1", "--c", "9"},
       "--c must be a whole number from 1 to 8 ((2d+1)^2 - 1 with d = --n 1), not '9'"},
      {{"--seed", "1", "--red", "101"}, "--red must be a whole number from 0 to 100, not '101'"},
      {{"--seed", "1", "--black", "41", "--red", "60"},
       "--black must be a whole number from 0 to 40 (100 less --red 60), not '41'"},
  };
  for (const OptionsCase& c : cases) {
    std::string line;
    for (const char* arg : c.args) line += std::string(arg) + " ";
    EXPECT_EQ(outcomeOf(c.args), c.outcome) << line;
  }
}

TEST(ParseGenOptions, TakesTheLargestValues) {
  GenOptions options;
  ASSERT_EQ(outcomeOf({"--seed", "18446744073709551615", "--tests", "100", "--n", "1000", "--d",
                       "1000", "--b", "4004000", "--c", "4004000", "--red", "0", "--black", "100"},
                      &options),
            "generate");
  EXPECT_EQ(options.seed, 18446744073709551615ULL);
  const std::vector<int32_t> pinned = {100, 1000, 1000, 4004000, 4004000, 0, 100};
  for (std::size_t k = 0; k < PinOptions.size(); ++k) {
    EXPECT_EQ(options.*PinOptions[k].field, pinned[k]) << PinOptions[k].name;
  }
  ASSERT_EQ(outcomeOf({"--seed", "0"}, &options), "generate");
  for (const PinOption& option : PinOptions) EXPECT_FALSE(options.*option.field) << option.name;
}

}  // namespace
