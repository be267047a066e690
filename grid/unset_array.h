#pragma once

#include <cstddef>
#include <memory>

/// An array of `count` elements left unset, to be written before it is read. (Written out
/// rather than with make_unique_for_overwrite, which not every standard library offers.)
template <typename T>
std::unique_ptr<T[]> unsetArray(std::size_t count) {
  return std::unique_ptr<T[]>(new T[count]);
}
