#pragma once

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

/// A file with given bytes in the temporary folder, removed when the object goes.
class TempFile {
 public:
  explicit TempFile(std::string_view bytes) : path_(uniquePath()) {
    std::ofstream out(path_, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  /// Where the file is.
  const std::string& path() const { return path_; }

  /// The bytes that a file now holds.
  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  /// A path in the temporary folder that names no file yet: a random token tells the
  /// test processes that run at the same time apart, a counter the files of one process.
  static std::string uniquePath() {
    static const auto processToken = std::random_device{}();
    static std::atomic<int> counter{0};
    const auto name =
        "mrezovnik-test-" + std::to_string(processToken) + "-" + std::to_string(counter++) + ".txt";
    return (std::filesystem::temp_directory_path() / name).string();
  }

 private:
  std::string path_;
};
