#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <type_traits>

// Composition of check messages. Called only on the failing path: it allocates.

/// An integer that a message inserts as plain decimal text; `char` is excluded on purpose,
/// since a byte is always named by its unsigned code.
template <class T>
concept MessageNumber = std::integral<T> && !std::same_as<std::remove_cv_t<T>, char> &&
                        !std::same_as<std::remove_cv_t<T>, bool>;

/// Appends one literal piece or quoted line.
inline void appendPiece(std::string& out, std::string_view text) { out.append(text); }

/// Appends one integer as decimal, with a minus sign only when negative.
template <MessageNumber T>
void appendPiece(std::string& out, T value) {
  out.append(std::to_string(value));
}

/// The concatenation of the given pieces: texts as they stand, integers in decimal.
template <class... Pieces>
std::string composeMessage(const Pieces&... pieces) {
  std::string out;
  (appendPiece(out, pieces), ...);
  return out;
}

/// The code of a byte as a message names it: its unsigned value, 0 to 255.
inline unsigned byteCode(char byte) { return static_cast<unsigned char>(byte); }
