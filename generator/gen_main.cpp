// mrezovnik-gen: a valid input file of the task, drawn from a seed, on standard output.
#include <csignal>
#include <cstdio>
#include <exception>

#include "generator/gen_options.h"
#include "generator/generate_input.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

/// The exit codes, as the manual page lists them.
enum GenExit { ExitWritten = 0, ExitBadArguments = 1, ExitNotWritten = 2, ExitInternalError = 3 };

/// Writes the help text; ExitNotWritten when it could not be written.
int printUsage() {
  const bool written = std::fwrite(GenUsage.data(), 1, GenUsage.size(), stdout) == GenUsage.size();
  return written && std::fflush(stdout) == 0 ? ExitWritten : ExitNotWritten;
}

/// Reports how writing the file ended, as an exit code.
int reportOutcome(const GenResult& result) {
  switch (result.outcome) {
    case GenOutcome::Written:
      return ExitWritten;
    case GenOutcome::WriteFailed:
      std::fputs("mrezovnik-gen: standard output could not be written whole\n", stderr);
      return ExitNotWritten;
    case GenOutcome::GridRefused:
      break;
  }
  std::fprintf(stderr, "mrezovnik-gen: internal error, a generated grid failed the check: %s\n",
               result.message.c_str());
  return ExitInternalError;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef _WIN32
  // Line feeds alone, as on every other platform: the same arguments give the same bytes.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  GenOptions options;
  try {
    if (!parseGenOptions(argc, argv, options)) return printUsage();
  } catch (const GenUsageError& error) {
    std::fprintf(stderr, "mrezovnik-gen: %s\nTry 'mrezovnik-gen --help'.\n", error.what());
    return ExitBadArguments;
  }
  try {
    return reportOutcome(writeInputFile(options, stdout));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "mrezovnik-gen: internal error: %s\n", error.what());
    return ExitInternalError;
  }
}
