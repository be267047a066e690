#include "hosts/host_text.h"

#include <algorithm>

#include "textio/message.h"

std::string hostText(std::string_view text) {
  constexpr char Hex[] = "0123456789abcdef";
  const std::string_view shown = text.substr(0, std::min(text.size(), HostTextLimit));
  std::string out;
  out.reserve(shown.size());
  for (const char byte : shown) {
    const unsigned code = byteCode(byte);
    if (byte == '\\') {
      out += "\\\\";
    } else if (code >= 0x20 && code < 0x7f) {
      out += byte;
    } else {
      out += {'\\', 'x', Hex[code >> 4], Hex[code & 0xf]};
    }
  }
  if (shown.size() < text.size()) {
    out +=
        composeMessage(" ... (", static_cast<uint64_t>(text.size() - shown.size()), " more bytes)");
  }
  return out;
}
