#!/usr/bin/env bash
# Checks the rule of emulator_retry.sh with a stand-in emulator whose runs are scripted: each
# case gives what its first and second run do, and what the caller must get.
set -u
# shellcheck source=tools/emulator_retry.sh
. "$(dirname "$0")/emulator_retry.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# The stand-in emulator: its Nth run (counted in $work/runs) does the Nth word of $plan, a code
# and what it prints: out (a line on stdout), own (the emulator's message on stderr), error (an
# error line of the emulator's trace), trace (a trace line), program (a line of the program's
# on stderr), as in 1+own.
# shellcheck disable=SC2317  # called through emulator_command
stand_in() {
  local run word part words parts
  run=$(($(cat "$work/runs") + 1))
  echo "$run" >"$work/runs"
  read -ra words <<<"$plan"
  word=${words[run - 1]}
  IFS=+ read -ra parts <<<"$word"
  for part in "${parts[@]:1}"; do
    case $part in
      out) echo "a line of output" ;;
      own) echo "emu: cannot reserve memory" >&2 ;;
      error) echo "0020:err:virtual:alloc failed to map" >&2 ;;
      trace) echo "0020:trace:loaddll:build Loaded program" >&2 ;;
      program) echo "the program's complaint" >&2 ;;
    esac
  done
  return "${parts[0]}"
}

# check NAME PLAN HOLDS_STDOUT CODE STDOUT STDERR RETRIED: runs the rule on PLAN and compares.
check() {
  local name=$1 expected=$4 expected_out=$5 expected_err=$6 retried=$7 code out err noted
  plan=$2
  echo 0 >"$work/runs"
  rm -f "$work/log"
  (
    emulator_silent_codes="139"
    emulator_worded_codes="1"
    emulator_lines='^emu: '
    emulator_trace_lines='^([0-9a-f]{4}:)*(err|trace):'
    emulator_error_lines='^([0-9a-f]{4}:)*err:'
    emulator_holds_stdout=$3
    emulator_log=$work/log
    emulator_command=(stand_in)
    run_once_more_if_unstarted program --gtest_filter=Suite.Case
  ) >"$work/out" 2>"$work/err"
  code=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  noted=no
  grep -q "^Suite.Case: the emulator started nothing" "$work/log" 2>/dev/null && noted=yes
  if [ "$code $out|$err|$noted" != "$expected $expected_out|$expected_err|$retried" ]; then
    echo "FAIL: $name: got code $code, stdout '$out', stderr '$err', run once more: $noted"
    failures=$((failures + 1))
  fi
}

line="a line of output"
program_line="the program's complaint"
# name                                   plan               holds code stdout   stderr        retried
check "silent start failure, then a pass"   "139 0+out"           1 0 "$line" "" yes
check "a start failure twice fails"         "139 139"             1 139 "" "" yes
check "the second run's own failure stands" "139 1+program"       1 1 "" "$program_line" yes
check "worded code with the emulator's word" "1+own 0"            1 0 "" "" yes
check "worded code with its error trace"    "1+trace+error 0+trace" 1 0 "" "" yes
check "the program's own silent exit 1"     "1 0"                 1 1 "" "" no
check "exit 1 with a trace but no error"    "1+trace 0"           1 1 "" "" no
check "a start code after output"           "139+out 0"           1 139 "$line" "" no
check "a start code after a program line"   "139+program 0"       1 139 "" "$program_line" no
check "a code that no start failure gives"  "2 0"                 1 2 "" "" no
check "trace lines never reach the caller"  "0+out+trace+program" 1 0 "$line" "$program_line" no
check "stdout left to the program"          "1+own 0+out"         0 0 "$line" "" yes
[ "$failures" = 0 ] && echo "the rule of emulator_retry.sh holds in every case"
exit $((failures > 0))
