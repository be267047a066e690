// mrezovnik-diagnose: a contestant's diagnosis of a submission as JSON on standard output.
#include <csignal>
#include <cstdio>

#include "diagnosis/diagnosis.h"
#include "driver/diagnosis_json.h"

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  if (argc < 3) {
    std::fputs("Uporaba: mrezovnik-diagnose input.txt submission.txt\n", stdout);
    return 1;
  }
  DiagnosisJson json(stdout);
  diagnose(argv[1], argv[2], json);
  json.finish();
  // Exit code 2: the diagnosis could not be written whole.
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : 2;
}
