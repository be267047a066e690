#!/usr/bin/env bash
# Builds the seed corpora of the two fuzz targets from the end-to-end cases, the bundled
# examples and a few submissions for fuzz/fixed_input.txt:
#   <out-dir>/evaluation  one file per pair: the input file, "=== submission ===\n", the
#                         submission (a missing file counts as empty)
#   <out-dir>/submission  the submissions alone
# Usage: fuzz/make_seeds.sh <out-dir>   (keep <out-dir> out of the repository, e.g. build/)
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <out-dir>" >&2; exit 1; }
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
marker='=== submission ==='
mkdir -p "$out/evaluation" "$out/submission"

# Writes one evaluation seed from an input file and a submission (either may be missing).
add_pair() {
  local name=$1 input=$2 submission=$3
  {
    if [ -f "$input" ]; then cat "$input"; fi
    printf '%s\n' "$marker"
    if [ -f "$submission" ]; then cat "$submission"; fi
  } >"$out/evaluation/$name"
}

# Writes one submission seed, for both targets: alone, and after the fixed input file.
add_fixed_submission() {
  local name=$1
  cat >"$out/submission/$name"
  add_pair "fixed-$name" "$root/fuzz/fixed_input.txt" "$out/submission/$name"
}

for case_dir in "$root"/tests/cases/*/; do
  name=$(basename "$case_dir")
  if [ ! -f "$case_dir/input.txt" ] && [ ! -f "$case_dir/submission.txt" ]; then continue; fi
  add_pair "$name" "$case_dir/input.txt" "$case_dir/submission.txt"
  if [ -f "$case_dir/submission.txt" ]; then
    cp "$case_dir/submission.txt" "$out/submission/$name"
  fi
done
for submission in "$root"/examples/submission-*.txt; do
  name=example-$(basename "$submission" .txt)
  add_pair "$name" "$root/examples/input.txt" "$submission"
  cp "$submission" "$out/submission/$name"
done

add_fixed_submission accepted-all <<'END'
000123
Mrezovje

3
R......
.#...R.
..#....
...#...
.......
.R...#.
.......

1
R#.
.#.
...

2
#.
.R
END
add_fixed_submission accepted-repeats <<'END'
000042
Mrezovje
2
#.
.R
2
#.
.R


1
R..
.#.
..#
END
printf '000777\r\nMrezovje\r\n\r\n1\r\nR..\r\n.#.\r\n...\r\n' | add_fixed_submission accepted-crlf
add_fixed_submission rejected-thresholds <<'END'
000123
Mrezovje

3
R#.....
.#...R.
.......
...#...
.......
.R...#.
.......

1
R##
###
###
END
# Counts the files of one seed folder.
count_files() { find "$1" -type f | wc -l; }
echo "seeds: $(count_files "$out/evaluation") in $out/evaluation," \
  "$(count_files "$out/submission") in $out/submission"
