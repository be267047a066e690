#include "standings/output_folder.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "standings/path_in_folder.h"

namespace {

namespace fs = std::filesystem;

/// The temporary name of a file while it is written.
fs::path partPath(const fs::path& dir, const std::string& name) {
  return dir / ("." + name + ".part");
}

/// Writes one file under its temporary name; false when any step failed.
bool writePart(const fs::path& path, const OutputFile& file) {
  std::FILE* out = std::fopen(path.string().c_str(), "w");
  if (out == nullptr) return false;
  file.write(out);
  const bool written = std::fflush(out) == 0 && std::ferror(out) == 0;
  return std::fclose(out) == 0 && written;
}

/// Removes the temporary files of `files`.
void removeParts(const fs::path& dir, const std::vector<OutputFile>& files) {
  for (const OutputFile& file : files) {
    std::error_code ignored;
    fs::remove(partPath(dir, file.name), ignored);
  }
}

}  // namespace

std::string writeOutputFolder(const std::string& dir, const std::vector<OutputFile>& files,
                              const std::vector<std::string_view>& stale) {
  const fs::path folder(dir);
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder, error)) return dir + " is not a folder and cannot be made one";
  for (const OutputFile& file : files) {
    if (!writePart(partPath(folder, file.name), file)) {
      removeParts(folder, files);
      return pathInFolder(dir, file.name) + " cannot be written";
    }
  }
  for (const OutputFile& file : files) {
    fs::rename(partPath(folder, file.name), folder / file.name, error);
    if (error) {
      removeParts(folder, files);
      return pathInFolder(dir, file.name) + " cannot be replaced: " + error.message();
    }
  }
  for (const std::string_view name : stale) fs::remove(folder / name, error);
  return "";
}

OutputFile textFile(std::string name, std::string text) {
  auto shared = std::make_shared<const std::string>(std::move(text));
  return {std::move(name),
          [shared](std::FILE* out) { std::fwrite(shared->data(), 1, shared->size(), out); }};
}
