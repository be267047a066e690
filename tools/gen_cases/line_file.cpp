#include "tools/gen_cases/line_file.h"

#include <stdexcept>

LineFile::LineFile(const std::filesystem::path& path, std::string_view lineEnd)
    : path_(path), lineEnd_(lineEnd), file_(std::fopen(path.string().c_str(), "wb")) {
  if (file_ == nullptr) throw std::runtime_error("cannot create " + path.string());
  buffer_.reserve(BufferSize + 4096);
}

LineFile::~LineFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void LineFile::line(std::string_view text) {
  buffer_.append(text);
  buffer_.append(lineEnd_);
  ++lines_;
  if (buffer_.size() >= BufferSize) flush();
}

void LineFile::grid(const Rows& grid) {
  for (const std::string& row : grid) line(row);
}

void LineFile::close() {
  flush();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!closed) fail();
}

void LineFile::flush() {
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) fail();
  buffer_.clear();
}

void LineFile::fail() const { throw std::runtime_error("cannot write " + path_.string()); }

void writeText(const std::filesystem::path& path, const std::string& text) {
  LineFile file(path, "");
  file.line(text);
  file.close();
}
