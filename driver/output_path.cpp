#include "driver/output_path.h"

#include <filesystem>
#include <system_error>

bool namesSameFile(const char* outputPath, const char* otherPath) {
  std::error_code error;
  return std::filesystem::equivalent(outputPath, otherPath, error) && !error;
}

bool namesDataStream(std::string_view path) {
#ifdef _WIN32
  // A colon may stand only after the drive letter, behind an optional "\\?\" or "\\.\".
  const auto isSlash = [](char c) { return c == '\\' || c == '/'; };
  if (path.size() >= 4 && isSlash(path[0]) && isSlash(path[1]) &&
      (path[2] == '?' || path[2] == '.') && isSlash(path[3])) {
    path.remove_prefix(4);
  }
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  return path.find(':') != std::string_view::npos;
#else
  static_cast<void>(path);
  return false;
#endif
}
