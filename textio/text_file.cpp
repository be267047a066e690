#include "textio/text_file.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "textio/find_byte.h"

TextFile::TextFile(const std::string& path, std::size_t chunkSize)
    : TextFile(std::fopen(path.c_str(), "rb"), chunkSize) {
  owned_ = true;
}

TextFile::TextFile(std::FILE* stream, std::size_t chunkSize)
    : file_(stream),
      owned_(false),
      chunkSize_(std::max<std::size_t>(chunkSize, 2)),
      buffer_(new char[chunkSize_]) {
  if (file_ == nullptr) {
    exhausted_ = true;
  } else {
    std::setvbuf(file_, nullptr, _IONBF, 0);
  }
}

TextFile::~TextFile() {
  if (file_ != nullptr && owned_) std::fclose(file_);
}

void TextFile::startAt(uint64_t offset) {
  // std::fseek takes a long, which may have 32 bits: a far offset is reached in steps.
  for (uint64_t left = offset; left > 0 && !exhausted_;) {
    const auto step = static_cast<long>(std::min<uint64_t>(left, LONG_MAX));
    if (std::fseek(file_, step, SEEK_CUR) != 0) exhausted_ = true;
    left -= static_cast<uint64_t>(step);
  }
  bufferStart_ = offset;
}

bool TextFile::hasLine() {
  if (begin_ == end_ && !exhausted_) refill();
  return begin_ < end_;
}

TextFile::Piece TextFile::nextPiece() {
  for (;;) {
    const char* start = buffer_.get() + begin_;
    const std::size_t available = end_ - begin_;
    if (const char* lineFeed = findByte(start, '\n', available)) {
      std::size_t length = lineFeed - start;
      begin_ += length + 1;
      if (length > 0 && start[length - 1] == '\r') --length;
      return {std::string_view(start, length), true};
    }
    if (exhausted_) {
      begin_ = end_;
      return {std::string_view(start, available), true};
    }
    // A carriage return at the end of the chunk stays behind until the next byte shows
    // whether it comes before a line feed.
    const std::size_t held = (available > 0 && start[available - 1] == '\r') ? 1 : 0;
    if (available > held) {
      begin_ += available - held;
      return {std::string_view(start, available - held), false};
    }
    refill();
  }
}

void TextFile::refill() {
  const std::size_t kept = end_ - begin_;
  std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
  bufferStart_ += begin_;
  begin_ = 0;
  end_ = kept;
  const std::size_t got = std::fread(buffer_.get() + end_, 1, chunkSize_ - end_, file_);
  end_ += got;
  if (got == 0) exhausted_ = true;
}
