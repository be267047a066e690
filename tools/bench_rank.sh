#!/usr/bin/env bash
# Benchmark of the standings: 20 full-size submissions of one input file judged by
# `mrezovnik-rank --jobs J` against `mrezovnik eval` run on each in turn, runs interleaved.
#
#   tools/bench_rank.sh [--files F] [--jobs J] [--runs R] [--n N] [--tests T]
#
# Builds the optimised programs and the case generator, generates one full-size case (tools/
# gen_cases, variant ok) and makes F submissions of it in build/bench-rank/subs/: each the
# generated one under its own contestant number, every fifth with a stray line after its last
# block (refused by check 263 once the whole file has been read and judged). Checks that the
# standings list every file with the report's verdict, then times both ways and prints the
# medians, their ratio (the bound is 0.6 for 20 files and 2 jobs on a two-core machine), the
# peak memory of each (/usr/bin/time %M: the largest of any one evaluator process, and of the
# one mrezovnik-rank process) and the load average before and after.
#
# Defaults: 20 files, 2 jobs, 3 runs, n = 1000, 100 test cases. Needs bash 5, coreutils, awk
# and /usr/bin/time. The files (about 100 MB each) are reused while the arguments and the
# generator stay the same.
set -euo pipefail
cd "$(dirname "$0")/.."

files=20
jobs=2
runs=3
n=1000
tests=100
root=build/bench-rank
program=build/release/driver/mrezovnik
rank_program=build/release/standings/mrezovnik-rank
generator=build/release/tools/gen_cases

die() {
  echo "bench_rank.sh: $*" >&2
  exit 1
}

while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || die "$1 needs a value"
  case $1 in
    --files) files=$2 ;;
    --jobs) jobs=$2 ;;
    --runs) runs=$2 ;;
    --n) n=$2 ;;
    --tests) tests=$2 ;;
    *) die "unknown option $1 (options: --files F --jobs J --runs R --n N --tests T)" ;;
  esac
  shift 2
done

log=$(mktemp)
if ! { cmake --preset release && cmake --build --preset release -j2 --target mrezovnik \
  mrezovnik-rank gen_cases; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  die "the build failed"
fi
rm -f "$log"

# The case and the submissions, unless those of the same arguments and generator are there.
stamp="--tests $tests --n $n --files $files $(sha256sum <"$generator" | cut -c1-64)"
if [ ! -f "$root/stamp" ] || [ "$(cat "$root/stamp")" != "$stamp" ]; then
  rm -rf "$root"
  "$generator" --tests "$tests" --n "$n" --seed 1 --variant ok --out "$root/case" ||
    die "gen_cases failed"
  mkdir -p "$root/subs"
  for ((k = 1; k <= files; k++)); do
    name=$(printf '%06d' "$k")
    { echo "$name"; tail -n +2 "$root/case/submission.txt"; } >"$root/subs/$name.txt"
    if ((k % 5 == 0)); then echo x >>"$root/subs/$name.txt"; fi
  done
  echo "$stamp" >"$root/stamp"
  echo "generated $root: $files submissions of $(du -sh "$root/subs" | cut -f1)"
fi

# The standings list every file with the verdict of its report.
"$rank_program" "$root/case/input.txt" "$root/subs" --out "$root/out" --better higher \
  --jobs "$jobs" >/dev/null
for file in "$root"/subs/*.txt; do
  "$program" eval "$root/case/input.txt" "$file" "$root/report.txt" >/dev/null
  verdict=accepted
  [ "$(head -n 1 "$root/report.txt")" = OK ] || verdict=refused
  grep -q "^$file,[0-9]*,$verdict," "$root/out/results.csv" ||
    die "results.csv does not give $file as $verdict"
done
echo "checked   results.csv: every file with its report's verdict"

# Runs a command under /usr/bin/time; prints its wall time in s and its peak memory in KiB.
timed() {
  local out
  out=$(mktemp)
  /usr/bin/time -f '%e %M' -o "$out" "$@" >/dev/null || die "a timed run failed: $*"
  tail -n 1 "$out"
  rm -f "$out"
}

# The evaluator on each file in turn: the total time, and the largest peak of any one run.
each_in_turn() {
  local started finished peak=0 seconds kib file
  started=$EPOCHREALTIME
  for file in "$root"/subs/*.txt; do
    read -r seconds kib < <(timed "$program" eval "$root/case/input.txt" "$file" "$root/report.txt")
    ((kib > peak)) && peak=$kib
  done
  finished=$EPOCHREALTIME
  awk -v from="${started/,/.}" -v to="${finished/,/.}" -v k="$peak" 'BEGIN { printf "%.2f %d\n", to - from, k }'
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
eval_s=() rank_s=() eval_peak=0 rank_peak=0
for ((run = 0; run < runs; run++)); do
  read -r seconds kib < <(each_in_turn)
  eval_s+=("$seconds")
  ((kib > eval_peak)) && eval_peak=$kib
  read -r seconds kib < <(timed "$rank_program" "$root/case/input.txt" "$root/subs" --out \
    "$root/out" --better higher --jobs "$jobs")
  rank_s+=("$seconds")
  ((kib > rank_peak)) && rank_peak=$kib
  echo "run $((run + 1)): eval on each in turn ${eval_s[-1]} s, mrezovnik-rank --jobs $jobs ${rank_s[-1]} s"
done
eval_median=$(printf '%s\n' "${eval_s[@]}" | median)
rank_median=$(printf '%s\n' "${rank_s[@]}" | median)
echo
echo "$files submissions of $(du -sh "$root/subs" | cut -f1), $(nproc) cores, median of $runs runs"
echo "  mrezovnik eval on each in turn: $eval_median s, peak $((eval_peak / 1024)) MiB (one run)"
echo "  mrezovnik-rank --jobs $jobs:        $rank_median s, peak $((rank_peak / 1024)) MiB"
awk -v r="$rank_median" -v e="$eval_median" 'BEGIN { printf "  ratio: %.2f (bound 0.6)\n", r / e }'
echo "  load average before: $load_before, after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
