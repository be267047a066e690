#pragma once

#include <cstdio>
#include <string>

/// What `write` writes to a scratch stream, read back whole.
template <class Write>
std::string writtenToStream(Write&& write) {
  std::FILE* file = std::tmpfile();
  write(file);
  std::fflush(file);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text.push_back(static_cast<char>(c));
  std::fclose(file);
  return text;
}
