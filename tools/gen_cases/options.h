#pragma once

// gen_cases's command line.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string_view>

/// The usage line printed under a bad command line's message.
inline constexpr std::string_view Usage =
    "usage: gen_cases --out DIR [--tests T] [--n N] [--seed S] [--variant "
    "ok|fail-last|crlf|refuse-all]\n";

/// Which submission to write: all accepted, the last block failing, CR LF line ends, or
/// every block refused with faults spread over its grid.
enum class Variant { Ok, FailLast, Crlf, RefuseAll };

/// What the command line asks for.
struct Options {
  /// The number of test cases, 1 to 100.
  int32_t tests = 100;
  /// The size of every grid, 1 to 1000.
  int32_t n = 1000;
  /// The seed of every random draw.
  uint64_t seed = 1;
  /// Which submission to write.
  Variant variant = Variant::Ok;
  /// The folder for the four files.
  std::filesystem::path out;
};

/// A bad command line; its message is printed above the usage line.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

/// Reads the options; every option takes a value. Throws UsageError on a bad command line.
Options parseOptions(int argc, char** argv);
