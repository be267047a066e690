#include "merge/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/temp_file.h"

namespace {

/// The names in the folder of `path` that start with its file name.
std::vector<std::string> namesBeside(const std::string& path) {
  const std::filesystem::path file(path);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(file.filename().string())) names.push_back(name);
  }
  return names;
}

TEST(WholeFile, ReplacesTheFileOnlyOnceWrittenWhole) {
  TempFile target("old");
  const std::string name = std::filesystem::path(target.path()).filename().string();
  // A writer that fails leaves the file as it was, and no temporary file.
  EXPECT_EQ(writeWholeFile(target.path(),
                           [](std::FILE* file) {
                             std::fputs("half", file);
                             return std::string("changed meanwhile");
                           }),
            "changed meanwhile");
  EXPECT_EQ(TempFile::contents(target.path()), "old");
  EXPECT_EQ(namesBeside(target.path()), std::vector<std::string>{name});
  // A temporary name that is taken is passed over; line feeds stay as they are.
  TempFile taken(TempFile::contents(target.path()));
  std::filesystem::rename(taken.path(), target.path() + ".tmp");
  EXPECT_EQ(writeWholeFile(target.path(),
                           [](std::FILE* file) {
                             std::fputs("new\n", file);
                             return std::string();
                           }),
            "");
  EXPECT_EQ(TempFile::contents(target.path()), "new\n");
  EXPECT_EQ(TempFile::contents(target.path() + ".tmp"), "old");
  std::filesystem::remove(target.path() + ".tmp");
  // A folder that does not exist.
  const std::string nowhere = target.path() + ".missing/merged.txt";
  EXPECT_EQ(writeWholeFile(nowhere, [](std::FILE*) { return std::string(); }),
            "cannot create " + nowhere + ".tmp");
}

}  // namespace
