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
set -eu
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No prompts to install wine's .NET and HTML engines.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
{
  flock 9
  # Exit code 0: a new server was started (2: one is running), so the prefix is booted now.
  if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    wine wineboot --init </dev/null >/dev/null 2>&1 9>&-
  fi
} 9>"$WINEPREFIX/.boot-lock"
exec wine "$@"
