#include "driver/text_encoding.h"

#include <cstdio>

namespace {

/// The number of continuation bytes after a UTF-8 lead byte, and the smallest code point that
/// needs them; {0, 0} for a byte that leads nothing.
struct Lead {
  int continuations;
  char32_t smallest;
};

/// What a lead byte of a UTF-8 sequence announces.
Lead leadOf(unsigned char byte) {
  if (byte >= 0xc2 && byte <= 0xdf) return {1, 0x80};
  if (byte >= 0xe0 && byte <= 0xef) return {2, 0x800};
  if (byte >= 0xf0 && byte <= 0xf4) return {3, 0x10000};
  return {0, 0};
}

/// The code point of the UTF-8 sequence at `text[k]`, advancing `k` past it; false when it is
/// no valid sequence.
bool takeSequence(std::string_view text, std::size_t& k, char32_t& code) {
  const auto byte = static_cast<unsigned char>(text[k]);
  const Lead lead = leadOf(byte);
  if (lead.continuations == 0 || text.size() - k <= static_cast<std::size_t>(lead.continuations)) {
    return false;
  }
  code = byte & (0x3f >> lead.continuations);
  for (int c = 1; c <= lead.continuations; ++c) {
    const auto next = static_cast<unsigned char>(text[k + static_cast<std::size_t>(c)]);
    if ((next & 0xc0) != 0x80) return false;
    code = code << 6 | (next & 0x3f);
  }
  k += static_cast<std::size_t>(lead.continuations) + 1;
  return code >= lead.smallest && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
}

/// Appends the UTF-8 form of a character from U+0080 to U+00FF.
void appendHighByte(std::string& out, unsigned char byte) {
  out.push_back(static_cast<char>(0xc0 | byte >> 6));
  out.push_back(static_cast<char>(0x80 | (byte & 0x3f)));
}

/// Whether a byte of `high` text is escaped in a JSON string: controls, and the C1 controls of
/// a Latin-1 text.
bool isJsonControl(unsigned char byte, HighBytes high) {
  return byte < 0x20 || byte == 0x7f || (high == HighBytes::Latin1 && byte >= 0x80 && byte <= 0x9f);
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  for (std::size_t k = 0; k < text.size();) {
    if (static_cast<unsigned char>(text[k]) < 0x80) {
      ++k;
      continue;
    }
    char32_t code = 0;
    if (!takeSequence(text, k, code)) return false;
  }
  return true;
}

void appendUtf8(std::string& out, std::string_view text, HighBytes high) {
  if (high == HighBytes::Utf8) {
    out.append(text);
    return;
  }
  for (const char byte : text) {
    const auto code = static_cast<unsigned char>(byte);
    if (code < 0x80) {
      out.push_back(byte);
    } else {
      appendHighByte(out, code);
    }
  }
}

void appendJsonString(std::string& out, std::string_view text, HighBytes high) {
  out.push_back('"');
  std::size_t plainStart = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto byte = static_cast<unsigned char>(text[k]);
    const bool escaped = byte == '"' || byte == '\\' || isJsonControl(byte, high);
    if (!escaped && (byte < 0x80 || high == HighBytes::Utf8)) continue;
    out.append(text.substr(plainStart, k - plainStart));
    plainStart = k + 1;
    if (byte == '"' || byte == '\\') {
      out.push_back('\\');
      out.push_back(static_cast<char>(byte));
    } else if (escaped) {
      char code[7];
      std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(byte));
      out.append(code, 6);
    } else {
      appendHighByte(out, byte);
    }
  }
  out.append(text.substr(plainStart));
  out.push_back('"');
}
