#!/usr/bin/env bash
# Runs one end-to-end case through the real executable and compares every output byte.
#
# A case is a folder of plain files:
#   input.txt, submission.txt  the two files to evaluate (a missing one is passed as a
#                              path that names no file)
#   report.txt                 the expected report; when absent, no report may be created
#   stdout.txt                 the expected standard output; when absent, it must be empty
#   exit_code                  the expected exit code; 0 when absent
#   args                       the command line after the program name, one line; the words
#                              {input}, {submission}, {report} and {dir} stand for the paths
#                              of the scratch copies, the report and the scratch folder;
#                              "eval {input} {submission} {report}" when absent
#   setup                      shell commands run in the scratch folder before the program
# Standard error must always stay empty, and the two evaluated files must stay unchanged.
set -u
program=$1
case_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for file in input.txt submission.txt; do
  [ -e "$case_dir/$file" ] && cp "$case_dir/$file" "$scratch/$file"
done
args="eval {input} {submission} {report}"
[ -f "$case_dir/args" ] && args=$(head -n 1 "$case_dir/args")
args=${args//\{input\}/$scratch/input.txt}
args=${args//\{submission\}/$scratch/submission.txt}
args=${args//\{report\}/$scratch/report.txt}
args=${args//\{dir\}/$scratch}
if [ -f "$case_dir/setup" ]; then
  (cd "$scratch" && bash "$case_dir/setup") || fail "setup failed"
fi

# shellcheck disable=SC2086  # the command line is split into words on purpose
(cd "$scratch" && "$program" $args >"$scratch/.stdout" 2>"$scratch/.stderr")
code=$?

expected_code=0
[ -f "$case_dir/exit_code" ] && expected_code=$(tr -d '[:space:]' <"$case_dir/exit_code")
[ "$code" = "$expected_code" ] || fail "exit code $code, expected $expected_code"

[ -s "$scratch/.stderr" ] && fail "standard error is not empty: $(head -c 300 "$scratch/.stderr")"

if [ -f "$case_dir/stdout.txt" ]; then
  cmp -s "$scratch/.stdout" "$case_dir/stdout.txt" ||
    { diff "$case_dir/stdout.txt" "$scratch/.stdout" | head -20; fail "standard output differs"; }
else
  [ -s "$scratch/.stdout" ] && fail "standard output is not empty: $(head -c 300 "$scratch/.stdout")"
fi

if [ -f "$case_dir/report.txt" ]; then
  [ -f "$scratch/report.txt" ] || fail "no report was written"
  cmp -s "$scratch/report.txt" "$case_dir/report.txt" ||
    { diff "$case_dir/report.txt" "$scratch/report.txt" | head -c 2000; fail "report differs"; }
else
  [ -e "$scratch/report.txt" ] && fail "a report was created although none was expected"
fi

for file in input.txt submission.txt; do
  if [ -e "$case_dir/$file" ]; then
    cmp -s "$scratch/$file" "$case_dir/$file" || fail "$file was changed by the run"
  fi
done
exit 0
