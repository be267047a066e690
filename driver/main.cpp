#include <csignal>
#include <cstring>

#include "driver/evaluate.h"

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe on standard output must not cut the run short: the report decides.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  if (argc >= 2 && std::strcmp(argv[1], "eval") == 0) return evaluate(argc, argv);
  printUsage();
  return ExitDone;
}
