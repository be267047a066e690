# Sourced by the scripts that run an end-to-end case (run_case.sh, judge_agrees.sh).

# skip_case_unless_meant_here CASE_DIR [LAUNCHER...]: exits with 77 (skipped) when the case
# cannot mean the same thing on this target (its <target>_skip file: windows, linux, wasm, or
# sanitized when MREZOVNIK_SANITIZED is set; linux_skip applies to wasm too), or when its
# memory limit would bind the emulator that LAUNCHER names rather than the program.
skip_case_unless_meant_here() {
  local case_dir=$1 target=${MREZOVNIK_TARGET:-linux} skip_target
  shift
  local skip_targets=("$target")
  [ "$target" = wasm ] && skip_targets+=(linux)
  [ -n "${MREZOVNIK_SANITIZED:-}" ] && skip_targets+=(sanitized)
  for skip_target in "${skip_targets[@]}"; do
    if [ -f "$case_dir/${skip_target}_skip" ]; then
      echo "SKIP on $target: $(cat "$case_dir/${skip_target}_skip")"
      exit 77
    fi
  done
  if [ -f "$case_dir/memory_limit_kb" ] && [ $# -gt 0 ]; then
    echo "SKIP on $target: the memory limit would bind the emulator ${1##*/}, not the program"
    exit 77
  fi
}
