#include "standings/submission_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "standings/path_in_folder.h"

namespace {

namespace fs = std::filesystem;

/// The entry of a file at `path`.
SubmissionFile fileAt(const std::string& path) {
  std::error_code error;
  const uint64_t size = fs::file_size(path, error);
  return {path, fs::path(path).filename().string(), error ? 0 : size};
}

/// The regular files directly inside `folder`, sorted by name; false when it cannot be listed.
bool listFolder(const std::string& folder, std::vector<SubmissionFile>& files) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return false;
  std::vector<SubmissionFile> found;
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    if (entries->is_regular_file(error)) {
      found.push_back(fileAt(pathInFolder(folder, entries->path().filename().string())));
    }
  }
  if (error) return false;
  std::sort(found.begin(), found.end(),
            [](const SubmissionFile& a, const SubmissionFile& b) { return a.name < b.name; });
  files.insert(files.end(), found.begin(), found.end());
  return true;
}

}  // namespace

std::vector<SubmissionFile> listSubmissionFiles(const std::vector<std::string>& named) {
  std::vector<SubmissionFile> files;
  for (const std::string& name : named) {
    std::error_code error;
    if (fs::is_directory(name, error) && listFolder(name, files)) continue;
    files.push_back(fileAt(name));
  }
  return files;
}
