#!/usr/bin/env bash
# Checks that the packages are reproducible: clones the commit checked out (HEAD) twice, into
# temporary folders of different paths, runs the dist workflow in each, one after the other,
# and compares the packages and their SHA256SUMS byte for byte. Uncommitted changes are not
# built.
#
#   tools/reproducible.sh [--against PACKAGES] [CONFIGURE_ARGS...]   e.g. -DMREZOVNIK_REQUIRE_VIEWER=ON
#
# With --against, PACKAGES (a dist build's build/dist/packages, made from HEAD with the same
# CONFIGURE_ARGS, as CI's own is) stands for the first build, and only the second is made: half
# the time. CONFIGURE_ARGS go to the first configure step of each build. Prints SHA256SUMS when
# the two agree; otherwise names each package that differs, and each file inside it that
# differs, keeps the builds for a closer look (diffoscope shows every difference) and exits
# with 1.
set -euo pipefail
cd "$(dirname "$0")/.."
against=
if [ "${1:-}" = --against ]; then
  [ -f "${2:-}/SHA256SUMS" ] || { echo "usage: $0 [--against PACKAGES] [CONFIGURE_ARGS...]: ${2:-} holds no SHA256SUMS"; exit 2; }
  against=$(cd "$2" && pwd)
  shift 2
fi
commit=$(git rev-parse HEAD)
work=$(mktemp -d)
builds=("$work/a" "$work/build-in-a-longer-path")
[ -z "$against" ] || builds=("$work/build-in-a-longer-path")

for build in "${builds[@]}"; do
  echo "== building $commit in $build"
  git clone --quiet --no-checkout . "$build"
  git -C "$build" checkout --quiet --detach "$commit"
  if ! (cd "$build" && cmake --preset dist "$@" && cmake --workflow --preset dist) \
    >"$build.log" 2>&1; then
    tail -n 40 "$build.log"
    echo "FAIL: the dist workflow failed in $build (log: $build.log)"
    exit 1
  fi
done

# unpack PACKAGE FOLDER: the files that a package holds, and a .deb's control files, in FOLDER.
unpack() {
  mkdir -p "$2"
  case $1 in
    *.deb) dpkg-deb -x "$1" "$2/data" && dpkg-deb -e "$1" "$2/control" ;;
    *) (cd "$2" && cmake -E tar xf "$1") ;;
  esac
}

first=${against:-${builds[0]}/build/dist/packages}
second=${builds[-1]}/build/dist/packages
different=0
for path in "$first"/SHA256SUMS "$first"/mrezovnik*; do
  name=$(basename "$path")
  if cmp -s "$path" "$second/$name"; then
    continue
  fi
  different=1
  echo "FAIL: $name differs between the two builds"
  if [ "$name" != SHA256SUMS ] && [ -f "$second/$name" ]; then
    unpack "$path" "$work/unpacked-a/$name"
    unpack "$second/$name" "$work/unpacked-b/$name"
    diff -rq "$work/unpacked-a/$name" "$work/unpacked-b/$name" | sed "s|$work/unpacked-||g" || true
  fi
done
if [ "$different" -ne 0 ]; then
  echo "The builds are kept in $work"
  exit 1
fi
cat "$first/SHA256SUMS"
echo "The two builds of $commit gave byte-identical packages"
rm -rf "$work"
