#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

/// A file read from the top as lines, in large chunks, handing each line to a sink in
/// pieces so that a line of any length can be measured without being stored.
///
/// Line rule: a line ends at a line feed, which is not part of it; a carriage return
/// directly before that line feed is not part of it either. Every other byte belongs to
/// the line. A last line without a line feed is still a line. A file that cannot be
/// opened, or that fails while being read, reads as if it ended there.
class TextFile {
 public:
  /// Bytes asked of the file at a time, unless a test asks for smaller chunks.
  static constexpr std::size_t DefaultChunkSize = std::size_t{128} * 1024;

  /// Opens the named file for reading; a failed open leaves a file with no lines.
  explicit TextFile(const std::string& path, std::size_t chunkSize = DefaultChunkSize);
  /// Reads an open stream from where it stands, such as standard input, and leaves it open.
  explicit TextFile(std::FILE* stream, std::size_t chunkSize = DefaultChunkSize);
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  /// Moves to `offset` of the file before any line has been read, so that the first line
  /// read starts there and positions count from the file's start; an offset past the end
  /// leaves no lines.
  void startAt(uint64_t offset);

  /// Whether the file was opened; one that was not reads as empty.
  bool isOpen() const { return file_ != nullptr; }

  /// Whether at least one more line can be read.
  bool hasLine();

  /// The offset in the file of the first byte not yet read as part of a line: after a
  /// whole line, where the next one starts.
  uint64_t position() const { return bufferStart_ + begin_; }

  /// Reads the next line, calling `sink(std::string_view)` for each of its pieces in
  /// order (possibly none for an empty line); false, without a call, when no line is left.
  template <class Sink>
  bool readLine(Sink&& sink) {
    if (!hasLine()) return false;
    Piece piece;
    do {
      piece = nextPiece();
      if (!piece.bytes.empty()) sink(piece.bytes);
    } while (!piece.endsLine);
    return true;
  }

 private:
  /// A run of bytes of the current line.
  struct Piece {
    std::string_view bytes;
    /// Whether the line ends after these bytes.
    bool endsLine = false;
  };

  /// The next piece of the current line.
  Piece nextPiece();
  /// Moves the unread bytes to the front and reads more behind them.
  void refill();

  std::FILE* file_;
  /// Whether this object opened the file and closes it.
  bool owned_;
  /// At least 2, so that a held-back carriage return leaves room to read behind it.
  std::size_t chunkSize_;
  std::unique_ptr<char[]> buffer_;
  /// The offset in the file of the buffer's first byte.
  uint64_t bufferStart_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool exhausted_ = false;
};
