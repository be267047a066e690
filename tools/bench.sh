#!/usr/bin/env bash
# End-to-end benchmark: builds the optimised evaluator, the diagnosis program and the case
# generator, generates the four kinds of full-size cases (ok, fail-last, crlf, refuse-all),
# checks that the evaluator's report and standard output equal the expected ones and that
# the diagnosis judges every block and that the contest systems' checker gives the verdict of
# the report, then times `mrezovnik eval`, `mrezovnik-diagnose` and `mrezovnik-judge icpc` (the
# submission on standard input) next to `wc -l` over the same two files (the floor: every byte
# read once), runs interleaved.
#
#   tools/bench.sh [--tests T] [--n N] [--seed S] [--runs R] [--baseline REV|BIN]
#
# --baseline also times another evaluator, and its diagnosis program where it has one, in the
# same interleaved runs, and prints the ratio of each one's time to this one's: BIN is its
# executable (its diagnosis program, mrezovnik-diagnose, beside it), REV a git revision, which
# is then built (optimised, without tests) in build/baseline/<commit>/.
#
# Defaults: 100 test cases, n = 1000, seed 1, 5 runs; the environment variables
# BENCH_TESTS, BENCH_N, BENCH_SEED and BENCH_RUNS set them too. The cases live in
# build/bench-cases/<variant>/ and are reused while the arguments and the generator stay
# the same. Needs bash 5, coreutils, awk and /usr/bin/time.
set -euo pipefail
cd "$(dirname "$0")/.."

tests=${BENCH_TESTS:-100}
n=${BENCH_N:-1000}
seed=${BENCH_SEED:-1}
runs=${BENCH_RUNS:-5}
baseline=${BENCH_BASELINE:-}
baseline_program=
baseline_diagnose_program=
variants=(ok fail-last crlf refuse-all)
cases_root=build/bench-cases
program=build/release/driver/mrezovnik
diagnose_program=build/release/driver/mrezovnik-diagnose
judge_program=build/release/hosts/mrezovnik-judge
generator=build/release/tools/gen_cases

# Prints a message and stops.
die() {
  echo "bench.sh: $*" >&2
  exit 1
}

# Reads the command line into the settings above.
parse_options() {
  while [ $# -gt 0 ]; do
    [ $# -ge 2 ] || die "$1 needs a value"
    case $1 in
      --tests) tests=$2 ;;
      --n) n=$2 ;;
      --seed) seed=$2 ;;
      --runs) runs=$2 ;;
      --baseline) baseline=$2 ;;
      *) die "unknown option $1 (options: --tests T --n N --seed S --runs R --baseline REV|BIN)" ;;
    esac
    shift 2
  done
  [[ $runs =~ ^[1-9][0-9]*$ ]] || die "--runs takes a positive number, not '$runs'"
}

# Configures and builds the two programs; shows the build's output only when it fails.
build() {
  local log
  log=$(mktemp)
  if ! { cmake --preset release && cmake --build --preset release --target mrezovnik mrezovnik-diagnose mrezovnik-judge \
    gen_cases; } \
    >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    die "the build failed"
  fi
  rm -f "$log"
}

# Sets baseline_program from --baseline: the executable itself, or one built from a revision.
build_baseline() {
  [ -n "$baseline" ] || return 0
  if [ -f "$baseline" ] && [ -x "$baseline" ]; then
    baseline_program=$baseline
    [ ! -x "$(dirname "$baseline")/mrezovnik-diagnose" ] ||
      baseline_diagnose_program=$(dirname "$baseline")/mrezovnik-diagnose
    return
  fi
  local commit dir log
  commit=$(git rev-parse --verify --quiet "$baseline^{commit}") ||
    die "--baseline $baseline is neither an executable nor a git revision"
  dir=build/baseline/$commit
  baseline_program=$dir/build/driver/mrezovnik
  baseline_diagnose_program=$dir/build/driver/mrezovnik-diagnose
  [ -x "$baseline_program" ] && [ -x "$baseline_diagnose_program" ] && return
  rm -rf "$dir"
  mkdir -p "$dir/source"
  git archive "$commit" | tar -x -C "$dir/source"
  log=$(mktemp)
  if ! { cmake -S "$dir/source" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMREZOVNIK_TESTS=OFF && cmake --build "$dir/build" --target mrezovnik &&
    { cmake --build "$dir/build" --target mrezovnik-diagnose || true; }; } >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    die "the baseline build of $baseline failed"
  fi
  rm -f "$log"
  # A revision from before the diagnosis program has none.
  [ -x "$baseline_diagnose_program" ] || baseline_diagnose_program=
}

# Generates one variant's files into its folder, unless the folder already holds those of
# the same arguments and the same generator.
generate() {
  local variant=$1 dir=$cases_root/$1
  local stamp
  stamp="--tests $tests --n $n --seed $seed --variant $variant $(sha256sum <"$generator" | cut -c1-64)"
  if [ -f "$dir/stamp" ] && [ "$(cat "$dir/stamp")" = "$stamp" ]; then
    echo "reused    $dir"
    return
  fi
  rm -rf "$dir"
  local started=$EPOCHREALTIME
  "$generator" --tests "$tests" --n "$n" --seed "$seed" --variant "$variant" --out "$dir" ||
    die "gen_cases failed for $variant"
  echo "$stamp" >"$dir/stamp"  # written last: an interrupted run is never reused
  echo "generated $dir in $(elapsed_ms "$started" "$EPOCHREALTIME") ms"
}

# Milliseconds, with one decimal, between two $EPOCHREALTIME readings.
elapsed_ms() {
  local from=${1/[.,]/} to=${2/[.,]/}
  awk -v us=$((to - from)) 'BEGIN { printf "%.1f", us / 1000 }'
}

# Evaluates one variant once with the given program and compares the report and standard
# output with the expected ones; stops with the differences when they differ.
check() {
  local variant=$1 dir=$cases_root/$1 program=$2 code=0
  "$program" eval "$dir/input.txt" "$dir/submission.txt" "$dir/report.txt" \
    >"$dir/stdout.txt" 2>"$dir/stderr.txt" || code=$?
  [ "$code" = 0 ] || die "$variant: mrezovnik exited with $code"
  [ -s "$dir/stderr.txt" ] && die "$variant: mrezovnik wrote to standard error"
  if ! cmp -s "$dir/report.txt" "$dir/expected-report.txt"; then
    diff "$dir/expected-report.txt" "$dir/report.txt" | head -20 >&2 || true
    die "$variant: the report differs from $dir/expected-report.txt"
  fi
  if ! cmp -s "$dir/stdout.txt" "$dir/expected-stdout.txt"; then
    diff "$dir/expected-stdout.txt" "$dir/stdout.txt" | head -20 >&2 || true
    die "$variant: standard output differs from $dir/expected-stdout.txt"
  fi
  echo "checked   $variant with $program: report and standard output as expected ($(head -n 1 "$dir/report.txt" | cut -d " " -f 1-2))"
}

# Diagnoses one variant once and checks that every block was judged, and refused where the
# variant refuses them all (refuse-all) or accepted where it accepts them all (ok, crlf).
check_diagnosis() {
  local variant=$1 dir=$cases_root/$1 blocks refused
  "$diagnose_program" "$dir/input.txt" "$dir/submission.txt" >"$dir/diagnosis.json" ||
    die "$variant: mrezovnik-diagnose exited with $?"
  blocks=$(grep -c '^{"line": ' "$dir/diagnosis.json" || true)
  refused=$(grep -c '"verdict": "refused"' "$dir/diagnosis.json" || true)
  [ "$blocks" = "$tests" ] || die "$variant: the diagnosis judged $blocks blocks, not $tests"
  case $variant in
    refuse-all) [ "$refused" = "$tests" ] || die "$variant: the diagnosis refused $refused blocks" ;;
    fail-last) [ "$refused" = 1 ] || die "$variant: the diagnosis refused $refused blocks" ;;
    *) [ "$refused" = 0 ] || die "$variant: the diagnosis refused $refused blocks" ;;
  esac
  echo "checked   $variant with $diagnose_program: $blocks blocks judged, $refused refused"
}

# Judges one variant once as an ICPC output validator and checks the verdict: accepted (42)
# with the report's count where the report accepts, a wrong answer (43) where it refuses.
check_judge() {
  local variant=$1 dir=$cases_root/$1 code=0 expected
  mkdir -p "$dir/feedback"
  rm -f "$dir/feedback/score.txt"
  "$judge_program" icpc "$dir/input.txt" /dev/null "$dir/feedback" <"$dir/submission.txt" || code=$?
  if [ "$(head -n 1 "$dir/expected-report.txt")" = OK ]; then
    expected=$(tail -n +3 "$dir/expected-report.txt" | perl -ane '$s += $F[1] unless $seen{$F[0]}++; END { print $s + 0 }')
    [ "$code" = 42 ] && [ "$(cat "$dir/feedback/score.txt")" = "$expected" ] ||
      die "$variant: mrezovnik-judge exited with $code, not 42 and a score of $expected"
  else
    [ "$code" = 43 ] || die "$variant: mrezovnik-judge exited with $code, not 43"
  fi
  echo "checked   $variant with $judge_program: exit $code, as the report says"
}

# Runs the judge once as an ICPC output validator under /usr/bin/time, as timed_run does; its
# exit codes 42 and 43 are verdicts.
timed_judge_run() {
  local dir=$1 memory_file started finished code=0
  memory_file=$(mktemp)
  started=$EPOCHREALTIME
  /usr/bin/time -f %M -o "$memory_file" "$judge_program" icpc "$dir/input.txt" /dev/null \
    "$dir/feedback" <"$dir/submission.txt" >/dev/null 2>&1 || code=$?
  finished=$EPOCHREALTIME
  [ "$code" = 42 ] || [ "$code" = 43 ] || die "a timed run of the judge exited with $code"
  echo "$(elapsed_ms "$started" "$finished") $(tail -n 1 "$memory_file")"
  rm -f "$memory_file"
}

# Runs a command once under /usr/bin/time; prints its wall time in ms and its peak resident
# set in KiB. Standard output is dropped.
timed_run() {
  local memory_file started finished
  memory_file=$(mktemp)
  started=$EPOCHREALTIME
  /usr/bin/time -f %M -o "$memory_file" "$@" >/dev/null || die "a timed run failed: $*"
  finished=$EPOCHREALTIME
  echo "$(elapsed_ms "$started" "$finished") $(tail -n 1 "$memory_file")"
  rm -f "$memory_file"
}

# The median of numbers given one per line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# The largest of numbers given one per line.
largest() {
  sort -g | tail -n 1
}

# Times one variant, wc, eval, the diagnosis and the baseline's interleaved, and prints its
# table row.
bench_variant() {
  local variant=$1 dir=$cases_root/$1
  local wc_ms=() eval_ms=() eval_kib=() diagnose_ms=() diagnose_kib=() baseline_ms=() run
  local baseline_diagnose_ms=() judge_ms=()
  for ((run = 0; run < runs; run++)); do
    read -r ms _ < <(timed_run wc -l "$dir/input.txt" "$dir/submission.txt")
    wc_ms+=("$ms")
    if [ -n "$baseline_program" ]; then
      read -r ms _ < <(timed_run "$baseline_program" eval "$dir/input.txt" "$dir/submission.txt" \
        "$dir/baseline-report.txt")
      baseline_ms+=("$ms")
    fi
    read -r ms kib < <(timed_run "$program" eval "$dir/input.txt" "$dir/submission.txt" \
      "$dir/report.txt")
    eval_ms+=("$ms")
    eval_kib+=("$kib")
    read -r ms kib < <(timed_run "$diagnose_program" "$dir/input.txt" "$dir/submission.txt")
    diagnose_ms+=("$ms")
    diagnose_kib+=("$kib")
    read -r ms _ < <(timed_judge_run "$dir")
    judge_ms+=("$ms")
    if [ -n "$baseline_diagnose_program" ]; then
      read -r ms _ < <(timed_run "$baseline_diagnose_program" "$dir/input.txt" "$dir/submission.txt")
      baseline_diagnose_ms+=("$ms")
    fi
  done
  cmp -s "$dir/report.txt" "$dir/expected-report.txt" || die "$variant: a timed run's report differs"
  local eval_median wc_median peak input_bytes diagnose_median diagnose_peak judge_median
  eval_median=$(printf '%s\n' "${eval_ms[@]}" | median)
  wc_median=$(printf '%s\n' "${wc_ms[@]}" | median)
  peak=$(printf '%s\n' "${eval_kib[@]}" | largest)
  diagnose_median=$(printf '%s\n' "${diagnose_ms[@]}" | median)
  diagnose_peak=$(printf '%s\n' "${diagnose_kib[@]}" | largest)
  judge_median=$(printf '%s\n' "${judge_ms[@]}" | median)
  input_bytes=$(stat -c %s "$dir/input.txt")
  local row
  row=$(awk -v v="$variant" -v e="$eval_median" -v w="$wc_median" -v k="$peak" -v b="$input_bytes" \
    -v g="$diagnose_median" -v gk="$diagnose_peak" -v j="$judge_median" \
    'BEGIN { printf "%-10s %9.1f %9.1f %6.1fx %9.1f MiB %9.1f MiB %11.1f %7.1fx %9.1f MiB %8.1f %7.2fx",
             v, e, w, e / w, k / 1024, b / 1048576, g, g / e, gk / 1024, j, j / e }')
  if [ -n "$baseline_program" ]; then
    local baseline_median
    baseline_median=$(printf '%s\n' "${baseline_ms[@]}" | median)
    row+=$(awk -v o="$baseline_median" -v e="$eval_median" 'BEGIN { printf " %11.1f %6.2fx", o, o / e }')
  fi
  if [ -n "$baseline_diagnose_program" ]; then
    local baseline_diagnose_median
    baseline_diagnose_median=$(printf '%s\n' "${baseline_diagnose_ms[@]}" | median)
    row+=$(awk -v o="$baseline_diagnose_median" -v g="$diagnose_median" \
      'BEGIN { printf " %16.1f %7.2fx", o, o / g }')
  fi
  echo "$row"
}

parse_options "$@"
build
build_baseline
mkdir -p "$cases_root"
for variant in "${variants[@]}"; do generate "$variant"; done
for variant in "${variants[@]}"; do
  check "$variant" "$program"
  [ -z "$baseline_program" ] || check "$variant" "$baseline_program"
  check_diagnosis "$variant"
  check_judge "$variant"
done

echo
echo "mrezovnik eval, mrezovnik-diagnose and mrezovnik-judge icpc against wc -l on the same two files: T=$tests" \
  "n=$n seed=$seed, median of $runs interleaved runs (load average before: $(cut -d ' ' -f 1-3 /proc/loadavg))"
header=$(printf '%-10s %9s %9s %7s %13s %13s %11s %8s %13s %8s %8s' variant "eval ms" "wc -l ms" \
  ratio "eval peak" "input file" "diagnose ms" "/ eval" "diagnose peak" "judge ms" "/ eval")
[ -z "$baseline_program" ] || header+=$(printf ' %11s %7s' "baseline ms" speedup)
[ -z "$baseline_diagnose_program" ] || header+=$(printf ' %16s %8s' "base diagnose ms" speedup)
echo "$header"
for variant in "${variants[@]}"; do bench_variant "$variant"; done
