#include "generator/gen_options.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

const std::string_view GenUsage =
    "Usage: mrezovnik-gen --seed S [--tests T] [--n N] [--d D] [--b B] [--c C] [--red P] "
    "[--black P]\n"
    "Writes a valid Mrezovje input file to standard output; the same arguments give the same\n"
    "bytes on every platform. Each option left out is drawn from the seed for each test case\n"
    "(the number of test cases once for the file), within its \"drawn\" range:\n"
    "  --seed S   0 to 18446744073709551615 (required)\n"
    "  --tests T  test cases, 1 to 100; drawn 1 to 10\n"
    "  --n N      grid size, 1 to 1000; drawn 10 to 200, and at least d\n"
    "  --d D      radius, 1 to n; drawn 1 to 10 and at most n, and at least what a pinned b\n"
    "             or c needs\n"
    "  --b B      least white cells around a black cell, 1 to (2d+1)^2 - 1; drawn 1 to\n"
    "             (2d+1)^2 - 1 or n^2 - 1, whichever is smaller\n"
    "  --c C      most black cells around a black cell, 1 to (2d+1)^2 - 1; drawn as b\n"
    "  --red P    percentage of red cells, 0 to 100; drawn 0 to 25\n"
    "  --black P  percentage of cells drawn black, 0 to 100 less red; drawn 0 to 25; the\n"
    "             black cells that break b or c are then made white\n"
    "Exit status: 0 written, 1 bad arguments, 2 output not written whole, 3 internal error.\n";

namespace {

/// The option that names the seed.
constexpr std::string_view SeedOption = "--seed";

/// The refusal of `text` as the value of `option`, which must be a whole number in
/// [low, high]; `why` says which pinned value the bound comes from, if any.
GenUsageError outOfRange(std::string_view option, uint64_t low, uint64_t high,
                         const std::string& why, std::string_view text) {
  return GenUsageError(std::string(option) + " must be a whole number from " + std::to_string(low) +
                       " to " + std::to_string(high) + why + ", not '" + std::string(text) + "'");
}

/// `text` as a whole decimal number in [low, high]; otherwise GenUsageError.
uint64_t parseValue(std::string_view option, std::string_view text, uint64_t low, uint64_t high,
                    const std::string& why = {}) {
  uint64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < low || value > high) {
    throw outOfRange(option, low, high, why, text);
  }
  return value;
}

/// The values given on the command line, as text, before their ranges are checked.
struct GivenValues {
  std::optional<std::string_view> seed;
  std::array<std::optional<std::string_view>, PinOptions.size()> pins;
};

/// Where the value of `option` goes; GenUsageError for an unknown option.
std::optional<std::string_view>& slotOf(std::string_view option, GivenValues& given) {
  if (option == SeedOption) return given.seed;
  for (std::size_t k = 0; k < PinOptions.size(); ++k) {
    if (option == PinOptions[k].name) return given.pins[k];
  }
  throw GenUsageError("unknown option '" + std::string(option) + "'");
}

/// Collects each option's value text, in command line order.
GivenValues collectValues(int argc, const char* const* argv) {
  GivenValues given;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view option = argv[i];
    std::optional<std::string_view>& slot = slotOf(option, given);
    if (i + 1 >= argc) throw GenUsageError(std::string(option) + " needs a value");
    if (slot) throw GenUsageError(std::string(option) + " is given twice");
    slot = argv[i + 1];
  }
  return given;
}

/// Pins `field` from its option's text, if given, within [low, high].
void pin(GenOptions& options, const GivenValues& given, std::optional<int32_t> GenOptions::*field,
         int32_t low, int32_t high, const std::string& why = {}) {
  for (std::size_t k = 0; k < PinOptions.size(); ++k) {
    if (PinOptions[k].field != field || !given.pins[k]) continue;
    options.*field = static_cast<int32_t>(parseValue(PinOptions[k].name, *given.pins[k],
                                                     static_cast<uint64_t>(low),
                                                     static_cast<uint64_t>(high), why));
  }
}

/// Why b and c have the bound they have: the pinned d, else the pinned n.
std::string thresholdBoundReason(const GenOptions& options) {
  if (options.d) return " ((2d+1)^2 - 1 with --d " + std::to_string(*options.d) + ")";
  if (options.n) return " ((2d+1)^2 - 1 with d = --n " + std::to_string(*options.n) + ")";
  return {};
}

}  // namespace

bool parseGenOptions(int argc, const char* const* argv, GenOptions& options) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") return false;
  }
  const GivenValues given = collectValues(argc, argv);
  if (!given.seed) {
    throw GenUsageError("--seed is required: a whole number from 0 to " +
                        std::to_string(std::numeric_limits<uint64_t>::max()));
  }
  options = GenOptions{};
  options.seed = parseValue(SeedOption, *given.seed, 0, std::numeric_limits<uint64_t>::max());
  // Each range may depend on the values pinned before it.
  pin(options, given, &GenOptions::tests, 1, 100);
  pin(options, given, &GenOptions::n, 1, 1000);
  const int32_t largestD = options.n.value_or(1000);
  pin(options, given, &GenOptions::d, 1, largestD,
      options.n ? " (at most --n " + std::to_string(*options.n) + ")" : "");
  const int32_t thresholdBound = fullNeighbourhood(options.d.value_or(largestD));
  pin(options, given, &GenOptions::b, 1, thresholdBound, thresholdBoundReason(options));
  pin(options, given, &GenOptions::c, 1, thresholdBound, thresholdBoundReason(options));
  pin(options, given, &GenOptions::red, 0, 100);
  pin(options, given, &GenOptions::black, 0, 100 - options.red.value_or(0),
      options.red ? " (100 less --red " + std::to_string(*options.red) + ")" : "");
  return true;
}
