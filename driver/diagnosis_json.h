#pragma once

#include <cstdio>
#include <string_view>

#include "diagnosis/diagnosis.h"

/// Writes a diagnosis to a stream as one JSON document, block by block as it is made:
///   {"blocks": [<block>, ...], "stop": null | {"check": <number or null>, "message": ...}}
/// Texts are written as appendJsonString writes a Latin-1 text: a byte of 160 or more as the
/// character of the same code, control bytes (0 to 31, 127 to 159) escaped, so that any message
/// gives valid JSON.
class DiagnosisJson : public DiagnosisSink {
 public:
  /// Starts the document on `out`.
  explicit DiagnosisJson(std::FILE* out);

  void takeBlock(const BlockDiagnosis& block) override;
  void takeStop(const DiagnosisStop& stop) override;
  /// Ends the document; with no stop taken, "stop" is null.
  void finish();

 private:
  /// Writes literal ASCII text.
  void write(std::string_view text);
  /// Writes a JSON string holding the bytes of `text`.
  void writeString(std::string_view text);
  /// Writes an integer in decimal.
  void writeNumber(int64_t value);
  /// Writes the fault counts and the listed cells of a refused block.
  void writeFaults(const BlockDiagnosis& block);
  /// Closes the block list.
  void endBlocks();

  std::FILE* out_;
  bool anyBlock_ = false;
  bool finished_ = false;
};
