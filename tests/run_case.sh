#!/usr/bin/env bash
# Runs one end-to-end case through the real executable and compares every output byte.
#
#   run_case.sh PROGRAM CASE_DIR [LAUNCHER...]
# LAUNCHER, when given, is the command that runs PROGRAM (an emulator such as wine or node).
#
# A case is a folder of plain files:
#   input.txt, submission.txt  the two files to evaluate (a missing one is passed as a
#                              path that names no file)
#   report.txt                 the expected report; when absent, no report may be created
#   stdout.txt                 the expected standard output; when absent, it must be empty
#   stdout_binary              the program writes standard output in binary mode: stdout.txt
#                              is compared as it stands on every target (see below)
#   stderr.txt                 the expected standard error; when absent, it must be empty
#   stdin                      the name of a file in the scratch folder (a copy of the case's,
#                              or one that setup made) to give as standard input
#   expected/                  files that the run must leave in the scratch folder, at the
#                              same paths, byte for byte (written as the target's text mode
#                              writes them, like the report)
#   expected-bytes/            the same for files that the program writes in binary mode:
#                              the same bytes on every target
#   stdout-bytes.txt           the expected standard output of a program that writes it in
#                              binary mode: the same bytes on every target
#   absent                     paths (one a line) that the run must not leave in the scratch
#                              folder, such as a folder that a failed run must not make
#   answer.txt                 a third file, copied into the scratch folder like the two others
#   exit_code                  the expected exit code; 0 when absent
#   args                       the command line after the program name, one line; the words
#                              {input}, {submission}, {report} and {dir} stand for the paths
#                              of the scratch copies, the report and the scratch folder;
#                              "eval {input} {submission} {report}" when absent
#   setup                      shell commands run in the scratch folder before the program;
#                              they may also write expected-report.txt there, for a case
#                              whose report is too large to keep (then report.txt is absent)
#   stdout_mode                "closed": the program starts with standard output closed;
#                              "broken-pipe": it writes into a pipe whose reader has gone.
#                              Standard output is not compared then.
#   max_rss_kb                 a bound on the program's peak memory, checked with
#                              /usr/bin/time unless MREZOVNIK_SANITIZED is set; under an
#                              emulator on Linux (node for wasm, qemu-user for a Linux
#                              program of another processor), a bound on what the run adds
#                              to the emulator's own memory (that of a run that prints the
#                              usage line)
#   memory_limit_kb            a limit on the program's address space (ulimit -v), set in the
#                              subshell that runs the program only, so that a case can exhaust
#                              memory on purpose; such a case is skipped where a launcher runs
#                              the program, since the limit would bind the emulator instead
#   <target>_skip              the reason why the case cannot mean the same thing on that
#                              target (windows_skip, linux_skip, wasm_skip): it is skipped
#                              there, exit 77. A wasm program runs under node on Linux, so
#                              linux_skip applies to it too.
#   sanitized_skip             the same for a program built with the sanitizers
#                              (MREZOVNIK_SANITIZED set)
# The evaluated files must stay unchanged.
#
# MREZOVNIK_TARGET names the program's platform: linux when unset (whatever the processor: the
# arm64 program is linux too, run under qemu-user), windows, or wasm. A Windows program writes
# its report, standard output (unless stdout_binary) and standard error in text mode, so there
# each line feed of the expected files is a carriage return and a line feed; a carriage return
# that a quoted line holds stays as it is. It also gives the word {windir}: the scratch folder
# as wine's drive Z: names it, with backslashes. Under wine, peak memory counts wine's own as well.
set -u
program=$1
case_dir=$(cd "$2" && pwd)
shift 2
launcher=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
target=${MREZOVNIK_TARGET:-linux}
# shellcheck source=tests/case_skips.sh
source "$(dirname "${BASH_SOURCE[0]}")/case_skips.sh"
skip_case_unless_meant_here "$case_dir" "${launcher[@]}"

for file in input.txt submission.txt answer.txt; do
  [ -e "$case_dir/$file" ] && cp "$case_dir/$file" "$scratch/$file"
done
args="eval {input} {submission} {report}"
[ -f "$case_dir/args" ] && args=$(head -n 1 "$case_dir/args")
args=${args//\{input\}/$scratch/input.txt}
args=${args//\{submission\}/$scratch/submission.txt}
args=${args//\{report\}/$scratch/report.txt}
args=${args//\{dir\}/$scratch}
windir=Z:${scratch//\//\\}
args=${args//\{windir\}/$windir}
if [ -f "$case_dir/setup" ]; then
  (cd "$scratch" && bash "$case_dir/setup") || fail "setup failed"
fi

measure=()
if [ -f "$case_dir/max_rss_kb" ] && [ -z "${MREZOVNIK_SANITIZED:-}" ] && [ -x /usr/bin/time ]; then
  measure=(/usr/bin/time -f %M -o "$scratch/.rss")
fi
memory_limit_kb=
if [ -f "$case_dir/memory_limit_kb" ]; then
  memory_limit_kb=$(tr -d '[:space:]' <"$case_dir/memory_limit_kb")
fi
# run_program: runs the program in the scratch folder, within the case's memory limit; called
# in a subshell, which the limit does not outlive.
run_program() {
  cd "$scratch" || return 125
  if [ -n "$memory_limit_kb" ]; then ulimit -v "$memory_limit_kb" || return 125; fi
  local standard_input=/dev/stdin
  [ -f "$case_dir/stdin" ] && standard_input=$scratch/$(tr -d '[:space:]' <"$case_dir/stdin")
  # shellcheck disable=SC2086  # the command line is split into words on purpose
  "${measure[@]}" "${launcher[@]}" "$program" $args <"$standard_input"
}
mode=normal
[ -f "$case_dir/stdout_mode" ] && mode=$(tr -d '[:space:]' <"$case_dir/stdout_mode")
case $mode in
  normal)
    (run_program >"$scratch/.stdout" 2>"$scratch/.stderr")
    code=$? ;;
  closed)
    (run_program >&- 2>"$scratch/.stderr")
    code=$? ;;
  broken-pipe)
    # The reader leaves at once; the program starts a moment later.
    ({ sleep 0.2; run_program 2>"$scratch/.stderr"; echo $? >"$scratch/.code"; } | true)
    code=$(cat "$scratch/.code") ;;
  *) fail "unknown stdout_mode $mode" ;;
esac

# as_target_writes FILE TAG: the path of FILE as the target's text mode writes it (see above).
as_target_writes() {
  if [ "$target" = windows ]; then
    perl -pe 's/\n/\r\n/' "$1" >"$scratch/.expected-$2"
    echo "$scratch/.expected-$2"
  else
    echo "$1"
  fi
}

expected_code=0
[ -f "$case_dir/exit_code" ] && expected_code=$(tr -d '[:space:]' <"$case_dir/exit_code")
[ "$code" = "$expected_code" ] || fail "exit code $code, expected $expected_code"

if [ -f "$case_dir/stderr.txt" ]; then
  expected_stderr=$(as_target_writes "$case_dir/stderr.txt" stderr)
  cmp -s "$scratch/.stderr" "$expected_stderr" ||
    { diff "$expected_stderr" "$scratch/.stderr" | head -20; fail "standard error differs"; }
else
  [ -s "$scratch/.stderr" ] && fail "standard error is not empty: $(head -c 300 "$scratch/.stderr")"
fi

for expected_dir in expected expected-bytes; do
  [ -d "$case_dir/$expected_dir" ] || continue
  while IFS= read -r -d '' expected_file; do
    relative=${expected_file#"$case_dir/$expected_dir/"}
    [ -f "$scratch/$relative" ] || fail "the run left no $relative"
    expected_copy=$expected_file
    if [ "$expected_dir" = expected ]; then
      expected_copy=$(as_target_writes "$expected_file" "expected-${relative//\//-}")
    fi
    cmp -s "$scratch/$relative" "$expected_copy" ||
      { diff "$expected_copy" "$scratch/$relative" | head -20; fail "$relative differs"; }
  done < <(find "$case_dir/$expected_dir" -type f -print0)
done

if [ -f "$case_dir/absent" ]; then
  while IFS= read -r relative; do
    [ -z "$relative" ] || [ ! -e "$scratch/$relative" ] || fail "the run left $relative"
  done <"$case_dir/absent"
fi

if [ "$mode" != normal ]; then
  :
elif [ -f "$case_dir/stdout-bytes.txt" ]; then
  cmp -s "$scratch/.stdout" "$case_dir/stdout-bytes.txt" ||
    { diff "$case_dir/stdout-bytes.txt" "$scratch/.stdout" | head -20; fail "standard output differs"; }
elif [ -f "$case_dir/stdout.txt" ]; then
  expected_stdout=$case_dir/stdout.txt
  [ -f "$case_dir/stdout_binary" ] || expected_stdout=$(as_target_writes "$expected_stdout" stdout)
  cmp -s "$scratch/.stdout" "$expected_stdout" ||
    { diff "$expected_stdout" "$scratch/.stdout" | head -20; fail "standard output differs"; }
else
  [ -s "$scratch/.stdout" ] && fail "standard output is not empty: $(head -c 300 "$scratch/.stdout")"
fi

expected_report=$case_dir/report.txt
[ -f "$expected_report" ] || expected_report=$scratch/expected-report.txt
if [ -f "$expected_report" ]; then
  [ -f "$scratch/report.txt" ] || fail "no report was written"
  expected_report=$(as_target_writes "$expected_report" report)
  cmp -s "$scratch/report.txt" "$expected_report" ||
    { diff "$expected_report" "$scratch/report.txt" | head -c 2000; fail "report differs"; }
else
  [ -e "$scratch/report.txt" ] && fail "a report was created although none was expected"
fi

if [ -f "$scratch/.rss" ]; then
  limit=$(tr -d '[:space:]' <"$case_dir/max_rss_kb")
  rss=$(tail -n 1 "$scratch/.rss")
  if [ "$target" = wasm ] || { [ "$target" = linux ] && [ ${#launcher[@]} -gt 0 ]; }; then
    /usr/bin/time -f %M -o "$scratch/.rss-idle" "${launcher[@]}" "$program" >/dev/null 2>&1
    rss=$((rss - $(tail -n 1 "$scratch/.rss-idle")))
  fi
  [ "$rss" -le "$limit" ] || fail "peak memory $rss KB exceeds $limit KB"
fi

for file in input.txt submission.txt answer.txt; do
  if [ -e "$case_dir/$file" ]; then
    cmp -s "$scratch/$file" "$case_dir/$file" || fail "$file was changed by the run"
  fi
done
exit 0
