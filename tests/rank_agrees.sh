#!/usr/bin/env bash
# Checks the standings of mrezovnik-rank against the evaluator and the contest systems' checker,
# on an input file and a dozen submissions generated from a seed (tests/support/rank_files.pl):
#
#   rank_agrees.sh EVALUATOR JUDGE RANK SEED BETTER POLICY [LAUNCHER...]
#
# - every record of results.csv says what `mrezovnik eval` reports of its file: the verdict,
#   the check and its message, the sum and each test case's first block's count;
# - best.txt holds the best count of each test case over the accepted files, and no other;
# - `mrezovnik-judge icpc --score relative`, given best.txt, scores each contestant's chosen
#   file exactly as standings.csv does (a refused one is a wrong answer, and scores 0 there);
# - the chosen file's fraction is 1 on each test case where its count is the best;
# - another submission that beats no best count (a copy of an accepted file, and a refused
#   one, of two new contestants) changes nobody else's score or fractions;
# - three jobs and one write the same bytes.
# LAUNCHER, when given, runs the three programs (node for the WebAssembly build).
set -u
evaluator=$1
judge=$2
rank=$3
seed=$4
better=$5
policy=$6
shift 6
launcher=("$@")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
cd "$scratch" || exit 1

perl "$here/support/rank_files.pl" "$seed" . || fail "the files could not be generated"
"${launcher[@]}" "$rank" input.txt subs --out out --better "$better" --policy "$policy" \
  --jobs 3 >rank.out 2>rank.err || fail "mrezovnik-rank exited with $?: $(cat rank.err)"
[ -s rank.err ] && fail "mrezovnik-rank wrote to standard error: $(cat rank.err)"
# One job at a time writes the same bytes.
"${launcher[@]}" "$rank" input.txt subs --out one-job --better "$better" --policy "$policy" \
  --jobs 1 >/dev/null 2>&1 || fail "mrezovnik-rank --jobs 1 failed"
for file in results.csv standings.csv best.txt standings.json standings.html; do
  cmp -s "out/$file" "one-job/$file" || fail "$file differs with one job"
done

# The evaluator's report of each file, and the judge's score of each file against best.txt.
mkdir feedback reports
for file in subs/*; do
  "${launcher[@]}" "$evaluator" eval input.txt "$file" "reports/${file#subs/}" >/dev/null 2>&1
  rm -f feedback/score.txt
  "${launcher[@]}" "$judge" icpc input.txt out/best.txt feedback --score relative \
    --better "$better" <"$file" >/dev/null 2>&1
  code=$?
  case $code in
    42) echo "$file $(cat feedback/score.txt)" ;;
    43) echo "$file refused" ;;
    *) fail "mrezovnik-judge exited with $code for $file: $(cat feedback/judgemessage.txt 2>/dev/null)" ;;
  esac
done >judged.txt

perl "$here/support/rank_files.pl" --check out reports judged.txt "$better" ||
  fail "the standings disagree (above)"

# Two more contestants, who beat no best count: nobody else's row changes.
first_accepted=$(perl -ne 'print "$1\n" if /^(subs\/[^,]+),\d{6},accepted,/' out/results.csv | head -n 1)
[ -n "$first_accepted" ] || fail "no accepted file to copy"
{ printf '999998\n'; tail -n +2 "$first_accepted"; } >subs/zz-copy.txt
printf '999999\nMrezovje\n1\nx\n' >subs/zz-refused.txt
"${launcher[@]}" "$rank" input.txt subs --out again --better "$better" --policy "$policy" \
  >/dev/null 2>&1 || fail "the second run of mrezovnik-rank failed"
others() { grep -v -E '^[0-9]+,99999[89],' "$1" | cut -d, -f2- | sort; }
[ "$(others out/standings.csv)" = "$(others again/standings.csv)" ] ||
  { diff <(others out/standings.csv) <(others again/standings.csv); fail "another contestant's score changed"; }
grep -q '^[0-9]*,999999,subs/zz-refused.txt,0,' again/standings.csv ||
  fail "the refused contestant does not score 0"
echo "seed $seed, $better, $policy: $(head -n 1 rank.out)"
exit 0
