#!/usr/bin/env bash
# Checks that the contest systems' checker agrees with the evaluator on one end-to-end case of
# the evaluator: it evaluates the case's files with `mrezovnik eval`, then judges them as each
# host calls the judge (count score), and compares the verdicts.
#
#   judge_agrees.sh EVALUATOR JUDGE CASE_DIR [LAUNCHER...]
#
# An accepted report must be accepted by every host with the sum of each test case's first
# block's count (cms: that number on standard output; icpc: exit 42 and score.txt; testlib:
# exit 7 and "points <count>"). A failed report with a sound input file must be a wrong
# answer that carries the report's failure line (cms: "0.0" and the line; icpc: exit 43, the
# line in both messages and no score.txt; testlib: exit 1 and "wrong answer <line>"). Any other
# report (the input file at fault, an unexpected failure) must be a judge error in every host
# (cms: a non-zero exit; icpc: exit 1 and no score.txt; testlib: exit 3 and "FAIL ...").
# The input file is sound when the evaluator, given a submission of one line "x", fails only for
# that line (check 248). Cases that give their own command line (args) are not evaluations of two files
# and are skipped; the case's skip files, setup and memory limit apply as in run_case.sh.
set -u
evaluator=$1
judge=$2
case_dir=$(cd "$3" && pwd)
shift 3
launcher=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
target=${MREZOVNIK_TARGET:-linux}
# shellcheck source=tests/case_skips.sh
source "$(dirname "${BASH_SOURCE[0]}")/case_skips.sh"
skip_case_unless_meant_here "$case_dir" "${launcher[@]}"
[ -f "$case_dir/args" ] && { echo "SKIP: the case gives its own command line"; exit 77; }
memory_limit_kb=
[ -f "$case_dir/memory_limit_kb" ] && memory_limit_kb=$(tr -d '[:space:]' <"$case_dir/memory_limit_kb")
for file in input.txt submission.txt; do
  [ -e "$case_dir/$file" ] && cp "$case_dir/$file" "$scratch/$file"
done
if [ -f "$case_dir/setup" ]; then
  (cd "$scratch" && bash "$case_dir/setup") || fail "setup failed"
fi
cd "$scratch" || exit 1
: >answer.txt
mkdir feedback

# run LIMITED COMMAND...: runs a program through the launcher, within the case's memory limit.
run() {
  (if [ -n "$memory_limit_kb" ]; then ulimit -v "$memory_limit_kb" || exit 125; fi
   "${launcher[@]}" "$@")
}
# as_hosts_show TEXT: the text as the judge shows it to a host (printable ASCII, every other
# byte and the backslash escaped, at most 1000 bytes of it).
as_hosts_show() {
  perl -e 'my $t = $ARGV[0]; my $more = length($t) - 1000; $t = substr($t, 0, 1000) if $more > 0;
    $t =~ s/\\/\\\\/g; $t =~ s/([^\x20-\x7e])/sprintf("\\x%02x", ord $1)/ge;
    print $t, ($more > 0 ? " ... ($more more bytes)" : "")' -- "$1"
}

run "$evaluator" eval input.txt submission.txt report.txt >/dev/null 2>&1
[ -f report.txt ] || fail "the evaluator wrote no report"
printf 'x\n' >not-a-submission.txt
run "$evaluator" eval input.txt not-a-submission.txt input-check.txt >/dev/null 2>&1
[ "$target" = windows ] && sed -i 's/\r$//' report.txt input-check.txt
first_line=$(head -n 1 report.txt)

run "$judge" cms input.txt answer.txt submission.txt >cms.out 2>cms.err
cms_code=$?
# A missing submission reads as empty.
standard_input=submission.txt
[ -e submission.txt ] || standard_input=/dev/null
run "$judge" icpc input.txt answer.txt feedback/ <"$standard_input" >/dev/null 2>icpc.err
icpc_code=$?
run "$judge" testlib input.txt submission.txt answer.txt >/dev/null 2>testlib.err
testlib_code=$?
[ "$target" = windows ] && sed -i 's/\r$//' cms.out cms.err testlib.err feedback/*.txt 2>/dev/null

if [ "$first_line" = OK ]; then
  count=$(tail -n +3 report.txt | perl -ane '$sum += $F[1] unless $seen{$F[0]}++; END { print $sum + 0 }')
  [ "$cms_code" = 0 ] && [ "$(cat cms.out)" = "$count" ] &&
    [ "$(head -n 1 cms.err)" = translate:success ] || fail "cms: exit $cms_code, $(head -c 300 cms.out cms.err)"
  [ "$icpc_code" = 42 ] && [ "$(cat feedback/score.txt)" = "$count" ] || fail "icpc: exit $icpc_code"
  [ "$testlib_code" = 7 ] && [ "$(cat testlib.err)" = "points $count" ] ||
    fail "testlib: exit $testlib_code, $(head -c 300 testlib.err)"
  echo "accepted by every host with $count"
elif [[ $first_line == Napaka\ * ]] &&
  [ "$(head -n 1 input-check.txt)" = "Napaka [Mrezovnik:248]: stevilka tekmovalca bi morala imeti 6 stevk" ]; then
  shown=$(as_hosts_show "$first_line")
  [ "$cms_code" = 0 ] && [ "$(cat cms.out)" = 0.0 ] && [ "$(cat cms.err)" = "$shown" ] ||
    fail "cms: exit $cms_code, $(head -c 300 cms.out cms.err)"
  [ "$icpc_code" = 43 ] && [ ! -e feedback/score.txt ] &&
    [ "$(cat feedback/teammessage.txt)" = "$shown" ] && [ "$(cat feedback/judgemessage.txt)" = "$shown" ] ||
    fail "icpc: exit $icpc_code"
  [ "$testlib_code" = 1 ] && [ "$(cat testlib.err)" = "wrong answer $shown" ] ||
    fail "testlib: exit $testlib_code, $(head -c 300 testlib.err)"
  echo "a wrong answer in every host: ${shown:0:100}"
else
  [ "$cms_code" != 0 ] && [ ! -s cms.out ] || fail "cms: exit $cms_code, $(head -c 300 cms.out)"
  [ "$icpc_code" = 1 ] && [ ! -e feedback/score.txt ] && [ -s feedback/judgemessage.txt ] ||
    fail "icpc: exit $icpc_code"
  [ "$testlib_code" = 3 ] && [[ $(cat testlib.err) == FAIL\ * ]] ||
    fail "testlib: exit $testlib_code, $(head -c 300 testlib.err)"
  if [[ $first_line == Napaka* ]]; then
    shown=$(as_hosts_show "$first_line")
    for told in cms.err feedback/judgemessage.txt testlib.err; do
      grep -qF -- "$shown" "$told" || fail "$told does not name the fault"
    done
  fi
  echo "a judge error in every host: ${first_line:0:100}"
fi
exit 0
