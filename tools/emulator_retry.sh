# shellcheck shell=bash
# The rule for a program that an emulator failed to start (sourced by tools/wine_run.sh and
# tools/qemu_run.sh, the cross-compiling emulators of the Windows and arm64 builds).
#
# run_once_more_if_unstarted PROGRAM [ARGS...] runs PROGRAM through the emulator (the command
# in the array emulator_command) and takes the run as the emulator's own failed start when all
# of these hold:
#   - its exit code is one of the emulator's codes for a failed start: emulator_silent_codes
#     (codes that no program of ours exits with) or emulator_worded_codes (codes that a program
#     of ours may also give, taken only with the emulator's own word why: a line of
#     emulator_lines or emulator_error_lines);
#   - the program printed nothing: its standard output, where the launcher holds it
#     (emulator_holds_stdout=1), is empty, and its standard error holds no line but the
#     emulator's own (emulator_lines or emulator_trace_lines; extended regular expressions).
# Such a run is noted in the log (emulator_log), with the test's name and the emulator's lines,
# and the program is run once more; the second run's result stands on its own, failed start or
# not.
# Any other run passes the program's output and exit code on unchanged. The emulator's trace
# lines (emulator_trace_lines, a regular expression; those of the channels that the launcher
# turned on) never reach the caller: they go to the log with a failed start, and with any other
# failing run that holds an error line among them (emulator_error_lines).
#
# The test's name is MREZOVNIK_TEST when set, otherwise the GoogleTest filter of the command,
# otherwise the program and its arguments.

# The launcher's settings; a pattern left unset matches no line.
emulator_silent_codes=${emulator_silent_codes:-}
emulator_worded_codes=${emulator_worded_codes:-}
emulator_lines=${emulator_lines:-'.^'}
emulator_trace_lines=${emulator_trace_lines:-'.^'}
emulator_error_lines=${emulator_error_lines:-'.^'}
emulator_holds_stdout=${emulator_holds_stdout:-1}
emulator_log=${emulator_log:-/dev/null}
[ -v emulator_command ] || emulator_command=()

# Prints the name under which the log names this run: the test's, or the command line.
emulator_test_name() {
  local argument
  if [ -n "${MREZOVNIK_TEST:-}" ]; then
    echo "$MREZOVNIK_TEST"
    return
  fi
  for argument in "$@"; do
    if [[ $argument == --gtest_filter=* ]]; then
      echo "${argument#--gtest_filter=}"
      return
    fi
  done
  echo "$*"
}

# Appends one entry to the log: a heading line and the file of the emulator's lines.
emulator_note() {
  local heading=$1 lines=$2
  {
    flock 8
    echo "$heading" >&8
    sed 's/^/    /' "$lines" >&8
  } 8>>"$emulator_log"
}

# Succeeds when the run of exit code $1, whose held output is in folder $2, is the emulator's
# own failed start.
emulator_failed_to_start() {
  local code=$1 held=$2
  [ "$emulator_holds_stdout" = 0 ] || [ ! -s "$held/stdout" ] || return 1
  ! grep -Evq "$emulator_lines|$emulator_trace_lines" "$held/all-stderr" || return 1
  [[ " $emulator_silent_codes " == *" $code "* ]] && return 0
  [[ " $emulator_worded_codes " == *" $code "* ]] &&
    grep -Eq "$emulator_lines|$emulator_error_lines" "$held/all-stderr"
}

# Runs the program once with its output held in folder $1: stdout, all-stderr, and all-stderr
# split into trace (the emulator's trace lines) and stderr (the rest, byte for byte when there
# is no trace); sets emulator_code.
emulator_run_held() {
  local held=$1
  shift
  if [ "$emulator_holds_stdout" = 1 ]; then
    "${emulator_command[@]}" "$@" >"$held/stdout" 2>"$held/all-stderr"
  else
    "${emulator_command[@]}" "$@" 2>"$held/all-stderr"
  fi
  emulator_code=$?
  if grep -Eq "$emulator_trace_lines" "$held/all-stderr"; then
    grep -E "$emulator_trace_lines" "$held/all-stderr" >"$held/trace"
    grep -Ev "$emulator_trace_lines" "$held/all-stderr" >"$held/stderr"
  else
    : >"$held/trace"
    cp "$held/all-stderr" "$held/stderr"
  fi
}

# Passes a run's held output on to the caller; logs its trace if it failed with an error line.
emulator_pass_on() {
  local held=$1 name=$2
  [ "$emulator_holds_stdout" = 0 ] || cat "$held/stdout"
  cat "$held/stderr" >&2
  if [ "$emulator_code" != 0 ] && grep -Eq "$emulator_error_lines" "$held/trace"; then
    emulator_note "$name: exit code $emulator_code; the emulator's messages:" "$held/trace"
  fi
}

# Runs the program, once more if the emulator failed to start it; exits with its exit code.
run_once_more_if_unstarted() {
  local held name
  set +e
  held=$(mktemp -d)
  # shellcheck disable=SC2064  # the folder is known now
  trap "rm -rf '$held'" EXIT
  name=$(emulator_test_name "$@")
  emulator_run_held "$held" "$@"
  if emulator_failed_to_start "$emulator_code" "$held"; then
    emulator_note "$name: the emulator started nothing (exit code $emulator_code, no output); run once more. Its messages:" "$held/all-stderr"
    emulator_run_held "$held" "$@"
    emulator_note "$name: the second run ended with exit code $emulator_code" /dev/null
  fi
  emulator_pass_on "$held" "$name"
  exit "$emulator_code"
}
