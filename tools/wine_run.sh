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
set -eu
export WINEPREFIX=$1
shift
export WINEDEBUG=-all
# No prompts to install wine's .NET and HTML engines.
export WINEDLLOVERRIDES="mscoree,mshtml="
no_randomisation=(setarch "$(uname -m)" -R)
mkdir -p "$WINEPREFIX"
{
  flock 9
  # Exit code 0: a new server was started (2: one is running), so the prefix is booted now.
  if wineserver -p </dev/null >/dev/null 2>&1 9>&-; then
    "${no_randomisation[@]}" wine wineboot --init </dev/null >/dev/null 2>&1 9>&-
  fi
} 9>"$WINEPREFIX/.boot-lock"
exec "${no_randomisation[@]}" wine "$@"
