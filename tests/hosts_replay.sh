#!/usr/bin/env bash
# Replays the exact calls that each contest system makes of its checker, with the bundled
# examples, and reads the answer as that system reads it.
#
#   hosts_replay.sh JUDGE EXAMPLES_DIR [LAUNCHER...]
#
# CMS runs `./checker input.txt correct_output.txt user_output.txt` in a folder that holds the
# four files (the checker is a script that adds the options); a non-zero exit is a system
# error, else the first line of standard output is the outcome (a number) and the first line of
# standard error the contestant's text. The ICPC package format runs `validator input answer
# feedback_dir [flags] < output`: problemtools with absolute paths and a trailing separator,
# DOMjudge with paths relative to the test case's folder ("feedback/", and "feedback" without
# the separator as for an interactive problem); exit 42 or 43, anything else is a judge error,
# and score.txt is read only with 42. testlib hosts run `check input output answer [report
# [-appes]]`: exit 7 points, 1 wrong answer, 3 fail, the verdict on standard error or in the
# report file.
set -u
judge=$1
examples=$(cd "$2" && pwd)
shift 2
launcher=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
failures=0

cp "$examples/input.txt" input.txt
cp "$examples/submission-accepted.txt" accepted.txt
cp "$examples/submission-rejected.txt" rejected.txt
cp accepted.txt faulty-input.txt
printf '1 10\n2 1\n' >best.txt
printf '1 10\n2 x\n' >malformed.txt
: >empty.txt
refusal='Napaka [Mrezovnik:221]: [napaka v resitvi, ki se zacne v 8. vrstici oddane datoteke] 1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo'
input_fault='the input file is at fault: Napaka [Mrezovnik:173]: v prvi vrstici bi moral biti niz "Mrezovje", ne pa "000123"'
blocks='Testni primer 2: 1 parov bliznjih crnih polj.'

# The quoted words of the command that runs the judge.
run_judge=$(printf '%q ' "${launcher[@]}" "$judge")
# first_line FILE: the file's first line without a carriage return (Windows' line ends).
first_line() { head -n 1 "$1" 2>/dev/null | tr -d '\r'; }

# cms INPUT ANSWER OUTPUT OPTIONS...: CMS's reading of the checker's answer, "outcome|text",
# or "system error".
cms() {
  local box
  box=$(mktemp -d "$scratch/box.XXXX")
  cp "$1" "$box/input.txt"
  cp "$2" "$box/correct_output.txt"
  cp "$3" "$box/user_output.txt"
  shift 3
  printf '#!/bin/sh\nexec %s cms "$@" %s\n' "$run_judge" "$*" >"$box/checker"
  chmod 755 "$box/checker"
  (cd "$box" && ./checker input.txt correct_output.txt user_output.txt >stdout 2>stderr) ||
    { echo "system error"; return; }
  local outcome
  outcome=$(first_line "$box/stdout")
  [[ $outcome =~ ^[0-9]+(\.[0-9]+)?$ ]] || { echo "system error: outcome '$outcome'"; return; }
  echo "$outcome|$(first_line "$box/stderr")"
}

# icpc STYLE INPUT ANSWER OUTPUT FLAGS...: the host's reading, "exit|score.txt|teammessage|
# judgemessage", with score.txt "-" when absent. STYLE: problemtools, domjudge, or
# no-separator. A stale score.txt is left in the folder beforehand.
icpc() {
  local style=$1 input=$2 answer=$3 output=$4 case_dir feedback code
  shift 4
  case_dir=$(mktemp -d "$scratch/icpc.XXXX")
  mkdir "$case_dir/feedback"
  echo 1 >"$case_dir/feedback/score.txt"
  case $style in
    problemtools)
      # shellcheck disable=SC2086
      eval "$run_judge" icpc "$scratch/$input" "$scratch/$answer" "$case_dir/feedback/" '"$@"' <"$output"
      code=$? ;;
    domjudge | no-separator)
      feedback=feedback/
      [ "$style" = no-separator ] && feedback=feedback
      cp "$input" "$case_dir/testdata.in"
      cp "$answer" "$case_dir/testdata.out"
      cp "$output" "$case_dir/program.out"
      (cd "$case_dir" && eval "$run_judge" icpc testdata.in testdata.out "$feedback" '"$@"' <program.out)
      code=$? ;;
  esac
  local score=-
  [ "$code" = 42 ] && score=$(first_line "$case_dir/feedback/score.txt")
  [ "$code" != 42 ] && [ -e "$case_dir/feedback/score.txt" ] && score="stale score.txt"
  echo "$code|$score|$(first_line "$case_dir/feedback/teammessage.txt")|$(first_line "$case_dir/feedback/judgemessage.txt")"
}

# testlib INPUT OUTPUT ANSWER [REPORT [-appes]] [OPTIONS...]: "exit|standard error|report".
testlib() {
  local report=-
  eval "$run_judge" testlib '"$@"' 2>testlib.err >/dev/null
  local code=$?
  [ $# -ge 4 ] && [ -f "$4" ] && report=$(tr -d '\r' <"$4")
  echo "$code|$(tr -d '\r' <testlib.err)|$report"
}

# expect WHAT ACTUAL EXPECTED: counts a failure when they differ.
expect() {
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1"
    echo "   got:      $2"
    echo "   expected: $3"
    failures=$((failures + 1))
  fi
}

relative=(--score relative --better higher)
expect "cms, accepted, count" "$(cms input.txt empty.txt accepted.txt)" "9|translate:success"
expect "cms, accepted, relative" "$(cms input.txt best.txt accepted.txt "${relative[@]}")" \
  "0.9|translate:success"
expect "cms, refused" "$(cms input.txt empty.txt rejected.txt)" "0.0|$refusal"
expect "cms, faulty input" "$(cms faulty-input.txt best.txt accepted.txt)" "system error"
expect "cms, malformed answer" "$(cms input.txt malformed.txt accepted.txt "${relative[@]}")" \
  "system error"
expect "cms, relative without a direction" "$(cms input.txt best.txt accepted.txt --score relative)" \
  "system error"

for style in problemtools domjudge no-separator; do
  expect "icpc ($style), accepted, count" \
    "$(icpc "$style" input.txt empty.txt accepted.txt --score count)" "42|9|$blocks|$blocks"
  expect "icpc ($style), accepted, relative" \
    "$(icpc "$style" input.txt best.txt accepted.txt "${relative[@]}")" "42|90|$blocks|$blocks"
  expect "icpc ($style), refused" "$(icpc "$style" input.txt best.txt rejected.txt)" \
    "43|-|$refusal|$refusal"
  expect "icpc ($style), faulty input" "$(icpc "$style" faulty-input.txt best.txt accepted.txt)" \
    "1|-||mrezovnik-judge: $input_fault"
done
expect "icpc, relative, lower is better" \
  "$(icpc problemtools input.txt best.txt accepted.txt --score relative --better lower)" \
  "42|100|$blocks|$blocks"
expect "icpc, malformed answer" \
  "$(icpc problemtools input.txt malformed.txt accepted.txt "${relative[@]}")" \
  "1|-||mrezovnik-judge: answer file $scratch/malformed.txt, line 2: expected \"<test case> <count>\", two numbers"
eval "$run_judge" icpc input.txt best.txt missing-folder/ <accepted.txt 2>/dev/null
expect "icpc, a missing feedback folder" "$?" 1
mkdir -p unwritable/judgemessage.txt unwritable/teammessage.txt
eval "$run_judge" icpc input.txt best.txt unwritable/ <accepted.txt 2>/dev/null
expect "icpc, a feedback folder that cannot be written" "$?, $(cd unwritable && echo *)" \
  "1, judgemessage.txt teammessage.txt"

expect "testlib, accepted" "$(testlib input.txt accepted.txt empty.txt)" "7|points 9|-"
expect "testlib, accepted, relative" "$(testlib input.txt accepted.txt best.txt "${relative[@]}")" \
  "7|points 90|-"
expect "testlib, refused" "$(testlib input.txt rejected.txt best.txt)" "1|wrong answer $refusal|-"
expect "testlib, faulty input" "$(testlib faulty-input.txt accepted.txt best.txt)" \
  "3|FAIL $input_fault|-"
expect "testlib, a report file" "$(testlib input.txt accepted.txt best.txt report.txt)" \
  "7|points 9|9"
expect "testlib, an XML report" "$(testlib input.txt rejected.txt best.txt report.xml -appes)" \
  "1|wrong answer $refusal|<?xml version=\"1.0\" encoding=\"windows-1251\"?><result outcome = \"wrong-answer\">$refusal</result>"
expect "testlib, testlib's own options" \
  "$(testlib input.txt accepted.txt best.txt --testset tests --group 1)" "7|points 9|-"

[ "$failures" = 0 ] || { echo "$failures host calls answered otherwise"; exit 1; }
echo "every host's call answered as its contract says"
