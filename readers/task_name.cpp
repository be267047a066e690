#include "readers/task_name.h"

#include "grid/test_case.h"
#include "textio/assertion.h"
#include "textio/message.h"

void readTaskNameLine(LineReader& reader, std::string& line, std::string_view ordinal,
                      Check check) {
  readLine(reader, line);
  if (line != TaskName) {
    throwAssertion(composeMessage("v ", ordinal, " vrstici bi moral biti niz \"", TaskName,
                                  "\", ne pa \"", line, "\""),
                   __FILE__, check);
  }
}
