#include "textio/text_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/temp_file.h"

namespace {

using namespace std::string_literals;

/// Every line of the file, read with the given chunk size.
std::vector<std::string> linesOf(const std::string& path, std::size_t chunkSize) {
  TextFile file(path, chunkSize);
  std::vector<std::string> lines;
  std::string line;
  while (file.readLine([&line](std::string_view piece) { line.append(piece); })) {
    lines.push_back(line);
    line.clear();
  }
  return lines;
}

/// The line rule written out directly over the whole text.
std::vector<std::string> expectedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

struct LineCase {
  std::string text;
  std::vector<std::string> lines;
};

TEST(TextFile, SplitsLinesByTheLineRule) {
  const std::vector<LineCase> cases = {
      {"", {}},
      {"a\nb\nc\n", {"a", "b", "c"}},
      {"a\nb\nc", {"a", "b", "c"}},
      {"12 7\r\n", {"12 7"}},
      {"a\r\nb\r\nc", {"a", "b", "c"}},
      {"a\rb\n", {"a\rb"}},
      {"abc\r", {"abc\r"}},
      {"\r", {"\r"}},
      {"\r\r\n", {"\r"}},
      {"\n\n", {"", ""}},
      {"\r\n", {""}},
      {"a\n\r", {"a", "\r"}},
      {"  \n", {"  "}},
      {"x\0y\n\xc4\xff"s, {"x\0y"s, "\xc4\xff"}},
  };
  for (const LineCase& c : cases) {
    TempFile file(c.text);
    for (std::size_t chunk : {2, 3, 5, 64}) {
      EXPECT_EQ(linesOf(file.path(), chunk), c.lines) << "text: " << c.text << " chunk " << chunk;
    }
  }
}

TEST(TextFile, ChunkBoundariesNeverChangeTheLines) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', '\r', '\n', '\0', '\xe8'};
  for (int round = 0; round < 300; ++round) {
    std::string text(random() % 40, ' ');
    for (char& byte : text) byte = alphabet[random() % sizeof alphabet];
    TempFile file(text);
    for (std::size_t chunk = 2; chunk <= 9; ++chunk) {
      ASSERT_EQ(linesOf(file.path(), chunk), expectedLines(text)) << "chunk " << chunk;
    }
  }
}

TEST(TextFile, PositionIsWhereTheNextLineStartsWhateverTheChunks) {
  const std::string text = "ab\r\n\n\rc\r\nlonger line\nend";
  TempFile file(text);
  for (std::size_t chunk = 2; chunk <= 9; ++chunk) {
    TextFile in(file.path(), chunk);
    std::vector<uint64_t> starts = {in.position()};
    while (in.readLine([](std::string_view) {})) starts.push_back(in.position());
    EXPECT_EQ(starts, (std::vector<uint64_t>{0, 4, 5, 9, 21, 24})) << "chunk " << chunk;
  }
}

TEST(TextFile, StartsAtAnOffsetWithPositionsFromTheFileStart) {
  TempFile file("ab\r\n\nrow one\r\nrow two\nend");
  for (std::size_t chunk : {2, 3, 64}) {
    TextFile in(file.path(), chunk);
    in.startAt(5);
    std::vector<std::string> lines;
    std::vector<uint64_t> starts = {in.position()};
    std::string line;
    while (in.readLine([&line](std::string_view piece) { line.append(piece); })) {
      lines.push_back(std::exchange(line, {}));
      starts.push_back(in.position());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"row one", "row two", "end"})) << "chunk " << chunk;
    EXPECT_EQ(starts, (std::vector<uint64_t>{5, 14, 22, 25})) << "chunk " << chunk;
  }
  TextFile past(file.path());
  past.startAt(1000);
  EXPECT_FALSE(past.hasLine());
  TextFile missing(TempFile::uniquePath());
  missing.startAt(3);
  EXPECT_FALSE(missing.hasLine());
}

TEST(TextFile, ReadsLinesLongerThanAChunk) {
  const std::string longLine(300000, 'x');
  TempFile file(longLine + "\r\n" + longLine + "\r");
  EXPECT_EQ(linesOf(file.path(), TextFile::DefaultChunkSize),
            (std::vector<std::string>{longLine, longLine + "\r"}));
}

TEST(TextFile, AFileThatCannotBeOpenedHasNoLines) {
  TextFile missing(TempFile::uniquePath());
  EXPECT_FALSE(missing.isOpen());
  EXPECT_FALSE(missing.hasLine());
  TextFile folder(std::filesystem::temp_directory_path().string());
  EXPECT_FALSE(folder.hasLine());
}

TEST(TextFile, ReadsAnOpenStreamFromWhereItStandsAndLeavesItOpen) {
  TempFile file("skipped\na\r\nb");
  std::FILE* stream = std::fopen(file.path().c_str(), "rb");
  ASSERT_NE(stream, nullptr);
  ASSERT_EQ(std::fseek(stream, 8, SEEK_SET), 0);
  {
    TextFile borrowed(stream, 2);
    std::vector<std::string> lines;
    std::string line;
    while (borrowed.readLine([&](std::string_view piece) { line.append(piece); })) {
      lines.push_back(line);
      line.clear();
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b"}));
  }
  EXPECT_EQ(std::fclose(stream), 0);
}

}  // namespace
