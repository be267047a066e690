#include "textio/assertion.h"

#include <utility>

EAssertion::EAssertion(std::string message, std::string_view file, int32_t line)
    : message(std::move(message)), file(file), line(line) {}

void throwAssertion(std::string message, std::string_view file, Check line) {
  throw EAssertion(std::move(message), file, checkNumber(line));
}
