#include "merge/whole_file.h"

#include <filesystem>
#include <system_error>

namespace {

/// How many names beside `path` are tried for the temporary file.
constexpr int TemporaryNames = 100;

/// A name beside `path` that names nothing yet, or "" when none is free.
std::string freeNameBeside(const std::string& path) {
  for (int k = 0; k < TemporaryNames; ++k) {
    std::string name = path + ".tmp" + (k == 0 ? "" : std::to_string(k));
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(name, error);
    if (status.type() == std::filesystem::file_type::not_found) return name;
  }
  return "";
}

/// Fills and closes the open temporary file; what went wrong, or "".
std::string fill(std::FILE* file, const std::string& temporary,
                 const std::function<std::string(std::FILE*)>& write) {
  std::string problem = write(file);
  const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
  if ((std::fclose(file) != 0 || !written) && problem.empty()) {
    problem = "cannot write " + temporary + " whole (is the device full?)";
  }
  return problem;
}

}  // namespace

std::string writeWholeFile(const std::string& path,
                           const std::function<std::string(std::FILE*)>& write) {
  const std::string temporary = freeNameBeside(path);
  if (temporary.empty()) return "no free name for a temporary file beside " + path;
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return "cannot create " + temporary;
  std::string problem;
  std::error_code error;
  try {
    problem = fill(file, temporary, write);
  } catch (...) {
    std::fclose(file);
    std::filesystem::remove(temporary, error);
    throw;
  }
  if (problem.empty()) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return "";
    problem = "cannot rename " + temporary + " to " + path;
  }
  std::filesystem::remove(temporary, error);
  return problem;
}
