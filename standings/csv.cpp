#include "standings/csv.h"

#include <utility>

namespace {

/// Whether a field must be quoted.
bool needsQuotes(std::string_view field) {
  return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

/// Appends one field.
void appendField(std::string& out, std::string_view field) {
  if (!needsQuotes(field)) {
    out.append(field);
    return;
  }
  out.push_back('"');
  for (const char byte : field) {
    if (byte == '"') out.push_back('"');
    out.push_back(byte);
  }
  out.push_back('"');
}

/// Reads a quoted field from `text[k]`, its opening quote, into `field`; advances `k` past the
/// closing quote. False when the quote is never closed.
bool readQuoted(std::string_view text, std::size_t& k, std::string& field) {
  for (++k; k < text.size(); ++k) {
    if (text[k] != '"') {
      field.push_back(text[k]);
    } else if (k + 1 < text.size() && text[k + 1] == '"') {
      field.push_back('"');
      ++k;
    } else {
      ++k;
      return true;
    }
  }
  return false;
}

/// Whether a record ends at `text[k]`: a line feed, or a carriage return before one.
bool endsRecord(std::string_view text, std::size_t k) {
  return text[k] == '\n' || (text[k] == '\r' && k + 1 < text.size() && text[k + 1] == '\n');
}

}  // namespace

void appendCsvRecord(std::string& out, const CsvRecord& fields) {
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) out.push_back(',');
    appendField(out, fields[k]);
  }
  out.push_back('\n');
}

std::optional<std::vector<CsvRecord>> parseCsv(std::string_view text) {
  std::vector<CsvRecord> records;
  std::size_t k = 0;
  while (k < text.size()) {
    CsvRecord record;
    for (;;) {
      std::string field;
      if (k < text.size() && text[k] == '"') {
        if (!readQuoted(text, k, field)) return std::nullopt;
        // Only a separator or the record's end may follow a quoted field.
        if (k < text.size() && text[k] != ',' && !endsRecord(text, k)) return std::nullopt;
      }
      for (; k < text.size() && text[k] != ',' && !endsRecord(text, k); ++k) {
        if (text[k] == '"') return std::nullopt;
        field.push_back(text[k]);
      }
      record.push_back(std::move(field));
      if (k >= text.size() || text[k] != ',') break;
      ++k;
    }
    if (k < text.size()) k += text[k] == '\r' ? 2 : 1;
    records.push_back(std::move(record));
  }
  return records;
}
