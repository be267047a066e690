#!/usr/bin/env bash
# Runs a Linux program of another processor under qemu-user: the cross-compiling emulator of
# the Linux arm64 build.
#
#   qemu_run.sh LOG QEMU SYSROOT PROGRAM [ARGS...]     e.g. qemu_run.sh build/linux-arm64/qemu.log
#                                                      qemu-aarch64 /usr/aarch64-linux-gnu ...
#
# SYSROOT holds the program's C library (qemu's -L). A run that qemu failed to start is run
# once more (tools/emulator_retry.sh says when), and noted in LOG. The program's standard
# output is its own, as given (some cases close it, or break its pipe); its standard error
# reaches the caller when it has ended.
set -eu
log=$1 qemu=$2 sysroot=$3
shift 3

# qemu's codes for a failed start, each with its message ("qemu-aarch64: ..."), which it writes
# only before the program starts: 1 (no room for the guest's address space or code buffer,
# and most load errors) and 255 (the program's loader or file cannot be read). Both count only
# with that message: our programs exit with 1 too, and qemu says nothing of some load errors.
emulator_worded_codes="1 255"
emulator_lines="^${qemu##*/}: "
emulator_holds_stdout=0
emulator_log=$log
# shellcheck source=tools/emulator_retry.sh
. "$(dirname "$0")/emulator_retry.sh"
emulator_command=("$qemu" -L "$sysroot")
run_once_more_if_unstarted "$@"
