#include "tools/gen_cases/options.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace {

/// The whole of `text` as a number in [low, high].
template <typename Number>
Number parseNumber(std::string_view option, std::string_view text, Number low, Number high) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    throw UsageError(std::string(option) + " takes a number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not '" + std::string(text) + "'");
  }
  return value;
}

/// The variant named on the command line.
Variant parseVariant(std::string_view text) {
  if (text == "ok") return Variant::Ok;
  if (text == "fail-last") return Variant::FailLast;
  if (text == "crlf") return Variant::Crlf;
  if (text == "refuse-all") return Variant::RefuseAll;
  throw UsageError("--variant is ok, fail-last, crlf or refuse-all, not '" + std::string(text) +
                   "'");
}

}  // namespace

Options parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view option = argv[i];
    if (i + 1 >= argc) throw UsageError(std::string(option) + " needs a value");
    const std::string_view value = argv[i + 1];
    if (option == "--tests") {
      options.tests = parseNumber<int32_t>(option, value, 1, 100);
    } else if (option == "--n") {
      options.n = parseNumber<int32_t>(option, value, 1, 1000);
    } else if (option == "--seed") {
      options.seed = parseNumber<uint64_t>(option, value, 0, std::numeric_limits<uint64_t>::max());
    } else if (option == "--variant") {
      options.variant = parseVariant(value);
    } else if (option == "--out") {
      options.out = value;
    } else {
      throw UsageError("unknown option " + std::string(option));
    }
  }
  if (options.out.empty()) throw UsageError("--out is required");
  if (options.variant == Variant::FailLast && options.n < 4) {
    throw UsageError("--variant fail-last needs --n 4 or more");
  }
  return options;
}
