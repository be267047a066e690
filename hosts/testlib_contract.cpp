#include <cstdio>
#include <string>
#include <string_view>

#include "hosts/host_contracts.h"

namespace {

/// testlib's exit codes and the words that start its verdicts.
struct TestlibVerdict {
  int exitCode;
  /// The verdict's first word on standard error.
  const char* word;
  /// The outcome in the XML report.
  const char* xmlOutcome;
};

/// The testlib verdict of each of the judge's verdicts, in their order.
constexpr TestlibVerdict TestlibVerdicts[] = {
    {7, "points", "points"},
    {1, "wrong answer", "wrong-answer"},
    {3, "FAIL", "fail"},
};

/// `text` with the characters that XML reserves written as entities.
std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (const char byte : text) {
    switch (byte) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += byte;
    }
  }
  return out;
}

/// Writes the report file in testlib's form: the message without the verdict's word, or the
/// XML result; false when that failed.
bool writeReport(const std::string& path, bool xml, const TestlibVerdict& verdict,
                 const std::string& message, const std::string& points) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  if (xml) {
    std::fprintf(file, "<?xml version=\"1.0\" encoding=\"windows-1251\"?><result outcome = \"%s\"",
                 verdict.xmlOutcome);
    if (!points.empty()) std::fprintf(file, " points = \"%s\"", points.c_str());
    std::fprintf(file, ">%s</result>\n", xmlEscaped(message).c_str());
  } else {
    std::fputs(message.c_str(), file);
  }
  const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
  return std::fclose(file) == 0 && written;
}

}  // namespace

int tellTestlib(const Judgement& judgement, const JudgeCall& call) {
  const TestlibVerdict& verdict = TestlibVerdicts[static_cast<std::size_t>(judgement.verdict)];
  const std::string points =
      judgement.verdict == Verdict::Accepted ? judgement.scoreText(true) : "";
  const std::string message = points.empty() ? judgement.message : points;
  std::fprintf(stderr, "%s %s\n", verdict.word, message.c_str());
  if (call.paths.size() > 3 && !writeReport(call.paths[3], call.appes, verdict, message, points)) {
    std::fprintf(stderr, "FAIL the report file %s cannot be written\n", call.paths[3].c_str());
    return TestlibVerdicts[static_cast<std::size_t>(Verdict::JudgeError)].exitCode;
  }
  return verdict.exitCode;
}
