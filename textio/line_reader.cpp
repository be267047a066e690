#include "textio/line_reader.h"

#include <cstring>
#include <string_view>

#include "textio/assertion.h"
#include "textio/message.h"

void startLine(LineReader& reader) {
  ++reader.lineNo;
  if (!reader.in.hasLine()) {
    throwAssertion(composeMessage("manjka ", reader.lineNo, ". vrstica"), __FILE__, 69);
  }
}

void readLine(LineReader& reader, std::string& line) {
  startLine(reader);
  line.clear();
  reader.in.readLine([&line](std::string_view piece) { line.append(piece); });
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
                   __FILE__, 73);
  }
}
