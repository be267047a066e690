#pragma once

// Exit codes of a run.
/// A run that wrote its report, whatever the report says, and the usage line without "eval".
inline constexpr int ExitDone = 0;
/// "eval" with fewer than three paths.
inline constexpr int ExitUsage = 1;
/// The report could not be written safely or completely.
inline constexpr int ExitReportFailed = 2;

/// Prints the command-line usage line on standard output.
void printUsage();

/// Runs "eval <input> <submission> <report>" (argv[1] is "eval"; later arguments are
/// ignored) and returns the process exit code.
int evaluate(int argc, char** argv);
