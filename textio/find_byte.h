#pragma once

#include <bit>
#include <cstddef>
#include <cstring>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

/// The first `byte` among the `count` bytes from `start`, or null: std::memchr, except in
/// WebAssembly, whose C library searches a word at a time, where sixteen bytes are compared
/// at once.
inline const char* findByte(const char* start, char byte, std::size_t count) {
#if defined(__wasm_simd128__)
  const v128_t wanted = wasm_i8x16_splat(byte);
  std::size_t k = 0;
  for (; k + 16 <= count; k += 16) {
    const auto found =
        static_cast<unsigned>(wasm_i8x16_bitmask(wasm_i8x16_eq(wasm_v128_load(start + k), wanted)));
    if (found != 0) return start + k + std::countr_zero(found);
  }
  for (; k < count; ++k) {
    if (start[k] == byte) return start + k;
  }
  return nullptr;
#else
  return static_cast<const char*>(std::memchr(start, byte, count));
#endif
}
