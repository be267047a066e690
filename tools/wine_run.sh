#!/usr/bin/env bash
# Runs a Windows program under wine in its own wine prefix: the cross-compiling emulator of
# the Windows build.
#
#   wine_run.sh PREFIX PROGRAM [ARGS...]
#
# The first run creates PREFIX. Wine's server is started persistent, and the prefix is booted,
# with every descriptor detached from the caller's: otherwise wine's helper processes would
# inherit the caller's pipes and hold them open long after PROGRAM has ended. Stop the server
# with `WINEPREFIX=PREFIX wineserver -k`.
#
# Wine runs with address-space randomisation off. Wine needs a few fixed addresses, such as the
# page of its shared user data at 0x7ffe0000, and (without wine64-preloader, which Debian does
# not install) reserves them only after the C library has started its heap. A randomised heap
# starts anywhere in the gigabyte after wine's loader (0x7d000000), so about one start in 7,700
# the heap holds that page, and wine exits with 1 before the program starts, saying nothing
# unless its error messages are on ("failed to map the shared user data: c0000018").
#
# A run that wine still fails to start is run once more (tools/emulator_retry.sh says when),
# and noted in PREFIX.log with wine's messages; so is any failing run with an error from wine.
# The program's standard output and error reach the caller when it has ended.
set -eu
export WINEPREFIX=$1
shift
# Wine's errors, and each module that it loads (how far a start got), are held apart from the
# program's standard error.
export WINEDEBUG=-all,err+all,+loaddll
# No prompts to install wine's .NET and HTML engines.
export WINEDLLOVERRIDES="mscoree,mshtml="
no_randomisation=(setarch "$(uname -m)" -R)
mkdir -p "$WINEPREFIX"
{
  flock 9
  # Exit code 0: a new server was started (2: one is running), so the prefix is booted now.
  if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    "${no_randomisation[@]}" wine wineboot --init </dev/null >"$WINEPREFIX.boot.log" 2>&1 9>&-
  fi
} 9>"$WINEPREFIX/.boot-lock"

# Wine's codes for a failed start. 1: a fatal error in its loader or server connection, which
# it names (so it counts only with wine's message: our programs exit with 1 too). The low byte
# of the status with which wine ends a process whose start failed: 53 (0xc0000135, a module
# not found), 66 (0xc0000142, a module's start failed), 123 (0xc000007b, not a program). 134
# and 139: wine itself stopped by SIGABRT or SIGSEGV (a Windows program's own fault ends it
# with the exception's code instead, such as 5 for an access violation).
emulator_worded_codes="1"
emulator_silent_codes="53 66 123 134 139"
emulator_trace_lines='^([0-9a-f]{4}:)*(fixme|err|warn|trace):'
emulator_error_lines='^([0-9a-f]{4}:)*err:'
emulator_lines='^(wine: |wine client error|preloader: )'
emulator_log=$WINEPREFIX.log
# shellcheck source=tools/emulator_retry.sh
. "$(dirname "$0")/emulator_retry.sh"
emulator_command=("${no_randomisation[@]}" wine)
run_once_more_if_unstarted "$@"
