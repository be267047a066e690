#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "textio/checks.h"

/// The one exception of every failed check: its message and its check number.
class EAssertion {
 public:
  /// Takes the message, copies the file name and stores the check number.
  EAssertion(std::string message, std::string_view file, int32_t line);

  /// The composed message, without a line end.
  std::string message;
  /// The source file that holds the check; carried, never printed.
  std::string file;
  /// The check number that the report prints.
  int32_t line;
};

/// Ends the evaluation with a failed check, `line` being its entry of the table of checks;
/// called only after its condition failed.
/// The message is moved into the exception: a message that quotes a long line is never
/// copied.
[[noreturn]] void throwAssertion(std::string message, std::string_view file, Check line);

/// The text that a report gives for a failure that is no failed check, such as exhausted
/// memory.
inline constexpr std::string_view UnexpectedFailureText =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.";

/// The part of a message that a report shows: up to its first NUL byte.
inline std::string_view shownMessage(std::string_view message) {
  return message.substr(0, message.find('\0'));
}
