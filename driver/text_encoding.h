#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Texts of any bytes written as UTF-8, for the documents that programs read: JSON strings, and
// the fields of the standings' CSV files. The evaluator's messages quote a file's bytes as
// they are; each byte from 128 up then stands for the character of the same code (U+0080 to
// U+00FF), so that any message gives valid UTF-8 and its bytes can be told back.

/// How a text's bytes from 128 up are meant.
enum class HighBytes : uint8_t {
  /// Each is one character of the same code: a message, which quotes a file's bytes.
  Latin1,
  /// They are valid UTF-8, kept as they are: a path that is valid UTF-8.
  Utf8,
};

/// Whether `text` is valid UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view text);

/// How the bytes of a path are meant: UTF-8 where they are valid UTF-8, else one character a
/// byte.
inline HighBytes highBytesOfPath(std::string_view path) {
  return isValidUtf8(path) ? HighBytes::Utf8 : HighBytes::Latin1;
}

/// Appends `text` to `out` as UTF-8: as it is, or with each byte from 128 up as the character
/// of the same code.
void appendUtf8(std::string& out, std::string_view text, HighBytes high);

/// Appends `text` to `out` as a JSON string, quotes included: a quote and a backslash escaped,
/// control bytes (0 to 31, 127, and 128 to 159 of a Latin-1 text) as \u00NN, every other byte
/// as appendUtf8 writes it. Any text gives valid JSON.
void appendJsonString(std::string& out, std::string_view text, HighBytes high);
