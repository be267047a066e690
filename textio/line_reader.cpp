#include "textio/line_reader.h"

#include <cstring>
#include <string_view>

#include "textio/assertion.h"
#include "textio/message.h"

namespace {

/// Check 69 for the line that `lineNo` now names.
[[noreturn]] void failMissingLine(const LineReader& reader) {
  throwAssertion(composeMessage("manjka ", reader.lineNo, ". vrstica"), __FILE__,
                 Check::MissingLine);
}

}  // namespace

void startLine(LineReader& reader) {
  ++reader.lineNo;
  if (!reader.in.hasLine()) failMissingLine(reader);
}

bool readLineIfPresent(LineReader& reader, std::string& line) {
  line.clear();
  if (!reader.in.readLine([&line](std::string_view piece) { line.append(piece); })) return false;
  ++reader.lineNo;
  return true;
}

void readLine(LineReader& reader, std::string& line) {
  if (readLineIfPresent(reader, line)) return;
  ++reader.lineNo;
  failMissingLine(reader);
}

std::size_t readRow(LineReader& reader, char* row, std::size_t width) {
  startLine(reader);
  std::size_t length = 0;
  reader.in.readLine([&](std::string_view piece) {
    if (length + piece.size() <= width) std::memcpy(row + length, piece.data(), piece.size());
    length += piece.size();
  });
  return length;
}

std::size_t measureLine(LineReader& reader) { return readRow(reader, nullptr, 0); }

void expectEnd(LineReader& reader) {
  ++reader.lineNo;
  if (reader.in.hasLine()) {
    throwAssertion(composeMessage("prisotna je tudi ", reader.lineNo,
                                  ". vrstica, pricakoval bi konec datoteke"),
                   __FILE__, Check::ExtraLine);
  }
}
