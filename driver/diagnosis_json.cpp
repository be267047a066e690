#include "driver/diagnosis_json.h"

#include <cinttypes>
#include <cstdint>

#include "judge/cell_fault.h"
#include "judge/fault_kinds.h"

namespace {

/// Whether a byte stands for itself in a JSON string as written here.
bool isPlain(unsigned char byte) {
  return byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\';
}

}  // namespace

DiagnosisJson::DiagnosisJson(std::FILE* out) : out_(out) { write("{\"blocks\": ["); }

void DiagnosisJson::write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }

void DiagnosisJson::writeNumber(int64_t value) { std::fprintf(out_, "%" PRId64, value); }

void DiagnosisJson::writeString(std::string_view text) {
  write("\"");
  std::size_t plainStart = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    if (isPlain(byte)) continue;
    write(text.substr(plainStart, k - plainStart));
    plainStart = k + 1;
    if (byte == '"' || byte == '\\') {
      const char escaped[] = {'\\', static_cast<char>(byte)};
      write({escaped, 2});
    } else if (byte <= 0x9f) {
      std::fprintf(out_, "\\u%04x", static_cast<unsigned>(byte));
    } else {
      // U+00A0 to U+00FF in UTF-8.
      const char encoded[] = {static_cast<char>(0xc0 | byte >> 6),
                              static_cast<char>(0x80 | (byte & 0x3f))};
      write({encoded, 2});
    }
  }
  write(text.substr(plainStart));
  write("\"");
}

void DiagnosisJson::takeBlock(const BlockDiagnosis& block) {
  write(anyBlock_ ? ",\n{\"line\": " : "\n{\"line\": ");
  anyBlock_ = true;
  writeNumber(block.headerLine);
  write(", \"testCase\": ");
  writeNumber(block.testCase->number);
  if (block.accepted()) {
    write(", \"verdict\": \"accepted\", \"nearPairs\": ");
    writeNumber(block.grid.nearPairs);
    write("}");
    return;
  }
  write(", \"verdict\": \"refused\", \"message\": ");
  writeString(block.message());
  writeFaults(block);
  write("}");
}

void DiagnosisJson::writeFaults(const BlockDiagnosis& block) {
  const FaultList& faults = block.grid.faults;
  write(", \"faults\": {");
  for (const FaultKindEntry& entry : FaultKinds) {
    write(&entry == FaultKinds.data() ? "\"" : ", \"");
    write(entry.name);
    write("\": ");
    writeNumber(faults.count(entry.kind));
  }
  write("}, \"cells\": [");
  for (const CellFault& fault : faults.kept()) {
    write(&fault == faults.kept().data() ? "{\"row\": " : ", {\"row\": ");
    writeNumber(fault.row + 1);
    write(", \"column\": ");
    writeNumber(fault.column + 1);
    write(", \"fault\": \"");
    write(faultKindName(fault.kind));
    write("\", \"message\": ");
    writeString(faultMessage(fault, *block.testCase));
    write("}");
  }
  write("], \"cellsLeftOut\": ");
  writeNumber(faults.total() - static_cast<int64_t>(faults.kept().size()));
}

void DiagnosisJson::endBlocks() {
  write(anyBlock_ ? "\n],\n\"stop\": " : "],\n\"stop\": ");
  finished_ = true;
}

void DiagnosisJson::takeStop(const DiagnosisStop& stop) {
  endBlocks();
  write("{\"check\": ");
  if (stop.check == 0) {
    write("null");
  } else {
    writeNumber(stop.check);
  }
  write(", \"message\": ");
  writeString(stop.message);
  write("}}\n");
}

void DiagnosisJson::finish() {
  if (finished_) return;
  endBlocks();
  write("null}\n");
}
