#pragma once

#include "evaluation/outcome.h"

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

/// Evaluates the two files into `outcome`, writes the report at `reportPath` from it and then
/// the console summary of an accepted one; returns the exit code, ExitDone or ExitReportFailed
/// (the report is never one of the files read, and must reach its file whole).
int evaluateAndReport(const char* inputPath, const char* submissionPath, const char* reportPath,
                      Outcome& outcome);
