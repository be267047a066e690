#pragma once

// mrezovnik-gen's command line: the seed, and the parameters that it pins.

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

/// What the command line asks for: the seed, and each parameter either pinned (it then holds
/// for every test case) or left to be drawn from the seed.
struct GenOptions {
  /// The seed of every draw.
  uint64_t seed = 0;
  /// The number of test cases, 1 to 100.
  std::optional<int32_t> tests;
  /// The size of every grid, 1 to 1000.
  std::optional<int32_t> n;
  /// The radius, 1 to n.
  std::optional<int32_t> d;
  /// The least number of white cells around a black cell, 1 to (2d+1)^2 - 1.
  std::optional<int32_t> b;
  /// The most black cells around a black cell, 1 to (2d+1)^2 - 1.
  std::optional<int32_t> c;
  /// The percentage of red cells drawn, 0 to 100.
  std::optional<int32_t> red;
  /// The percentage of black cells drawn, 0 to 100 less red.
  std::optional<int32_t> black;
};

/// One option that pins a parameter: its name on the command line and its field.
struct PinOption {
  std::string_view name;
  std::optional<int32_t> GenOptions::*field;
};

/// The options that pin a parameter, each beside its field.
inline constexpr std::array<PinOption, 7> PinOptions = {{
    {"--tests", &GenOptions::tests},
    {"--n", &GenOptions::n},
    {"--d", &GenOptions::d},
    {"--b", &GenOptions::b},
    {"--c", &GenOptions::c},
    {"--red", &GenOptions::red},
    {"--black", &GenOptions::black},
}};

/// The help text: the command line, what each option pins and its range.
extern const std::string_view GenUsage;

/// A command line that cannot be followed; the message names the argument and what it
/// may be.
struct GenUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// The largest (2d+1)^2 - 1 for d up to `largestD`: the bound of b and c.
inline int32_t fullNeighbourhood(int32_t largestD) {
  return (2 * largestD + 1) * (2 * largestD + 1) - 1;
}

/// Reads the command line (argv[1] on) into `options`; false when it asks for --help.
/// Throws GenUsageError for an unknown option, a missing or repeated one, a value that is no
/// whole number, or one outside its range given the others pinned.
bool parseGenOptions(int argc, const char* const* argv, GenOptions& options);
