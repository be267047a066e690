#!/usr/bin/env bash
# Checks a copy of the evaluator against the bundled examples: evaluates every
# submission-NAME.txt of the folder against its input.txt and compares the report, byte for
# byte, with report-NAME.txt there (which holds the line ends of the platform that the folder
# was installed for). The diagnosis program beside PROGRAM (mrezovnik-diagnose, with PROGRAM's
# extension) is checked the same way against every diagnosis-NAME.json.
#
#   check_examples.sh PROGRAM EXAMPLES_DIR [LAUNCHER...]
# LAUNCHER, when given, is the command that runs PROGRAM (such as tools/wine_run.sh PREFIX).
# A PROGRAM without a folder is looked up on the PATH, and so is the diagnosis program.
set -u
program=$1
examples=$2
shift 2
launcher=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

checked=0
for expected in "$examples"/report-*.txt; do
  [ -f "$expected" ] || continue
  name=$(basename "$expected" .txt)
  name=${name#report-}
  "${launcher[@]}" "$program" eval "$examples/input.txt" "$examples/submission-$name.txt" \
    "$scratch/report.txt" >/dev/null
  if ! cmp "$scratch/report.txt" "$expected"; then
    echo "FAIL: the report of submission-$name.txt differs from report-$name.txt"
    exit 1
  fi
  echo "ok: submission-$name.txt gives report-$name.txt"
  checked=$((checked + 1))
done
[ "$checked" -gt 0 ] || { echo "FAIL: no report-*.txt in $examples"; exit 1; }

diagnose=mrezovnik-diagnose
[[ $program == */* ]] && diagnose=$(dirname "$program")/mrezovnik-diagnose
[[ $program == *.exe ]] && diagnose+=.exe
for expected in "$examples"/diagnosis-*.json; do
  [ -f "$expected" ] || continue
  name=$(basename "$expected" .json)
  name=${name#diagnosis-}
  "${launcher[@]}" "$diagnose" "$examples/input.txt" "$examples/submission-$name.txt" \
    >"$scratch/diagnosis.json"
  if ! cmp "$scratch/diagnosis.json" "$expected"; then
    echo "FAIL: the diagnosis of submission-$name.txt differs from diagnosis-$name.json"
    exit 1
  fi
  echo "ok: submission-$name.txt gives diagnosis-$name.json"
done
