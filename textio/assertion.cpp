#include "textio/assertion.h"

EAssertion::EAssertion(std::string_view message, std::string_view file, int32_t line)
    : message(message), file(file), line(line) {}

void throwAssertion(std::string_view message, std::string_view file, int32_t line) {
  throw EAssertion(message, file, line);
}
