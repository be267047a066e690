#!/usr/bin/env bash
# Checks the static programs of the Linux archives. For each archive: every program in its
# bin/ must have no NEEDED entry and no interpreter, and mrezovnik and mrezovnik-diagnose must
# give the expected report (report-NAME.txt) and diagnosis (diagnosis-NAME.json) of every
# bundled example with
# nothing else present: an x86-64 archive's programs run in a chroot that holds only them and
# the example files, an arm64 archive's under qemu-aarch64 with no sysroot (no -L). An x86-64
# program must also still hold its AVX2 path.
#
#   tools/check_static.sh ARCHIVE...     e.g. build/dist/packages/mrezovnik-*-linux-*.tar.gz
#
# Needs readelf and objdump (binutils); root for the chroot (otherwise it runs in a user
# namespace, `unshare -r`); qemu-aarch64 (qemu-user) for arm64.
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 ARCHIVE..." >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stops with a message.
fail() {
  echo "FAIL: $*"
  exit 1
}

# Checks that an ELF program has neither a NEEDED entry nor an interpreter.
check_no_libraries() {
  local program=$1 needed
  needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
  [ -z "$needed" ] || fail "$program needs ${needed//$'\n'/ }"
  ! readelf -l "$program" | grep -q 'INTERP' || fail "$program has an interpreter"
}

# Checks that an x86-64 program holds its AVX2 path: 256-bit integer instructions (the C
# library's string functions have some too) and the bit deposits that only the path's input
# packing uses.
check_avx2_path() {
  local program=$1 avx2 deposits
  avx2=$(objdump -d "$program" | grep -cE '\s(vpaddd|vpcmpeqb|vpbroadcastb)\s.*%ymm' || true)
  deposits=$(objdump -d "$program" | grep -cE '\spdep\s' || true)
  echo "$(basename "$program"): $avx2 256-bit integer instructions, $deposits bit deposits"
  if [ "$avx2" = 0 ] || [ "$deposits" = 0 ]; then
    fail "$program holds no AVX2 path"
  fi
}

# Runs the examples through the programs in ROOT, a folder that holds only the two programs
# and examples/, with the command that runs a program there (a chroot, or qemu-aarch64); PREFIX
# is how the command names ROOT ("" inside a chroot).
check_examples() {
  local root=$1 prefix=$2
  shift 2
  local run=("$@") checked=0 expected name
  for expected in "$root"/examples/report-*.txt; do
    [ -f "$expected" ] || continue
    name=$(basename "$expected" .txt)
    name=${name#report-}
    "${run[@]}" "$prefix/mrezovnik" eval "$prefix/examples/input.txt" \
      "$prefix/examples/submission-$name.txt" "$prefix/report.txt" >/dev/null ||
      fail "mrezovnik eval of submission-$name.txt failed"
    cmp "$root/report.txt" "$expected" || fail "the report of submission-$name.txt differs"
    rm "$root/report.txt"
    echo "ok: submission-$name.txt gives report-$name.txt"
    checked=$((checked + 1))
  done
  for expected in "$root"/examples/diagnosis-*.json; do
    [ -f "$expected" ] || continue
    name=$(basename "$expected" .json)
    name=${name#diagnosis-}
    "${run[@]}" "$prefix/mrezovnik-diagnose" "$prefix/examples/input.txt" \
      "$prefix/examples/submission-$name.txt" >"$work/diagnosis.json" ||
      fail "mrezovnik-diagnose of submission-$name.txt failed"
    cmp "$work/diagnosis.json" "$expected" || fail "the diagnosis of submission-$name.txt differs"
    echo "ok: submission-$name.txt gives diagnosis-$name.json"
    checked=$((checked + 1))
  done
  [ "$checked" -gt 0 ] || fail "no report-*.txt or diagnosis-*.json among the examples"
}

for archive in "$@"; do
  echo "== $(basename "$archive")"
  unpacked=$work/unpacked
  root=$work/root
  rm -rf "$unpacked" "$root"
  mkdir -p "$unpacked" "$root"
  tar -xzf "$archive" -C "$unpacked"
  top=$(echo "$unpacked"/*)
  programs=()
  for program in "$top"/bin/*; do
    check_no_libraries "$program"
    cp "$program" "$root/"
    programs+=("$(basename "$program")")
  done
  cp -r "$top/share/doc/mrezovnik/examples" "$root/"
  case $archive in
    *-linux-x86_64.tar.gz)
      for program in "${programs[@]}"; do check_avx2_path "$root/$program"; done
      chroot=(chroot)
      [ "$(id -u)" = 0 ] || chroot=(unshare --map-root-user chroot)
      check_examples "$root" "" "${chroot[@]}" "$root"
      ;;
    *-linux-arm64.tar.gz)
      check_examples "$root" "$root" env -u QEMU_LD_PREFIX qemu-aarch64
      ;;
    *) fail "$archive is neither a linux-x86_64 nor a linux-arm64 archive" ;;
  esac
  echo "$(basename "$archive"): static programs, no NEEDED entry, no interpreter; the examples as expected"
done
