#include "driver/diagnosis_json.h"

#include <cinttypes>
#include <cstdint>
#include <string>

#include "driver/text_encoding.h"
#include "judge/cell_fault.h"
#include "judge/fault_kinds.h"

DiagnosisJson::DiagnosisJson(std::FILE* out) : out_(out) { write("{\"blocks\": ["); }

void DiagnosisJson::write(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }

void DiagnosisJson::writeNumber(int64_t value) { std::fprintf(out_, "%" PRId64, value); }

void DiagnosisJson::writeString(std::string_view text) {
  std::string json;
  appendJsonString(json, text, HighBytes::Latin1);
  write(json);
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
