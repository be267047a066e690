// mrezovnik-judge: the evaluator inside the contest systems that organisers run (CMS, the ICPC
// problem package format, testlib hosts), each with its own checker contract.
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

#include "hosts/host_contracts.h"
#include "hosts/judge_call.h"
#include "hosts/judgement.h"
#include "textio/text_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

/// Tells the call's host the judgement, as its contract wants it; the exit code.
int tell(const JudgeCall& call, const Judgement& judgement) {
  switch (call.host->host) {
    case Host::Cms:
      return tellCms(judgement);
    case Host::Icpc:
      return tellIcpc(judgement, call.paths.size() > 2 ? call.paths[2] : "");
    case Host::Testlib:
      return tellTestlib(judgement, call);
  }
  return ExitNoHost;
}

/// Judges the files that the call names, in its host's order of arguments.
Judgement judgeCall(const JudgeCall& call) {
  const std::vector<std::string>& paths = call.paths;
  switch (call.host->host) {
    case Host::Cms: {
      TextFile output(paths[2]);
      return judge(call, paths[0], paths[1], output);
    }
    case Host::Icpc: {
#ifdef _WIN32
      // Every byte as it is: no line ends translated, no end at byte 26.
      _setmode(_fileno(stdin), _O_BINARY);
#endif
      TextFile output(stdin);
      return judge(call, paths[0], paths[1], output);
    }
    case Host::Testlib: {
      TextFile output(paths[1]);
      return judge(call, paths[0], paths[2], output);
    }
  }
  return judgeError("no host");
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(judgeUsage().c_str(), stdout);
    return std::fflush(stdout) == 0 ? 0 : ExitNoHost;
  }
  JudgeCall call;
  const std::string problem = parseJudgeCall(argc, argv, call);
  if (call.host == nullptr) {
    std::fprintf(stderr, "mrezovnik-judge: %s\n%s", problem.c_str(), judgeUsage().c_str());
    return ExitNoHost;
  }
  if (!problem.empty()) return tell(call, judgeError(problem + " (see mrezovnik-judge --help)"));
  try {
    return tell(call, judgeCall(call));
  } catch (...) {
    return tell(call, judgeError("the judge failed unexpectedly, such as out of memory"));
  }
}
