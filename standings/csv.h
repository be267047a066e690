#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The standings' CSV files (RFC 4180): fields separated by commas, one record a line. A field
// that holds a comma, a quote, a carriage return or a line feed is written between quotes,
// each quote in it doubled; every other field as it is.

/// One record: its fields, in order.
using CsvRecord = std::vector<std::string>;

/// Appends one record of UTF-8 fields to `out`, with its line end.
void appendCsvRecord(std::string& out, const CsvRecord& fields);

/// The records of a CSV text whose records end with a line feed (a carriage return before it
/// dropped) or the end of the text; nothing when a quoted field is never closed or a quote
/// stands inside a field that is not quoted.
std::optional<std::vector<CsvRecord>> parseCsv(std::string_view text);
