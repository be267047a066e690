#pragma once

// The files that gen_cases writes, line by line through a large buffer.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "tests/reference/grid_rows.h"

/// Writes lines with a chosen line end to a file through a large buffer, counting them.
class LineFile {
 public:
  /// Creates (or truncates) the file at `path`.
  LineFile(const std::filesystem::path& path, std::string_view lineEnd);
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;
  ~LineFile();

  /// Appends one line and its line end.
  void line(std::string_view text);
  /// Appends every row of a grid, one line each.
  void grid(const Rows& grid);
  /// The number of lines written so far.
  int64_t lines() const { return lines_; }
  /// Writes out what is buffered and closes the file; throws when anything failed.
  void close();

 private:
  /// The buffered bytes past which the buffer goes to the file.
  static constexpr std::size_t BufferSize = 1 << 20;

  /// Hands the buffer to the file.
  void flush();
  /// Reports a failed write.
  [[noreturn]] void fail() const;

  /// The file's path, for messages.
  std::filesystem::path path_;
  /// "\n" or "\r\n".
  std::string lineEnd_;
  /// The open file; null once closed.
  std::FILE* file_;
  /// Lines not yet handed to the file.
  std::string buffer_;
  /// Lines written so far.
  int64_t lines_ = 0;
};

/// Writes a whole small file.
void writeText(const std::filesystem::path& path, const std::string& text);
