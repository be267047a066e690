#include "standings/path_in_folder.h"

std::string pathInFolder(const std::string& folder, std::string_view name) {
  const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
  std::string path = folder;
  if (!separated) path += '/';
  path += name;
  return path;
}
