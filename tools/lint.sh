#!/usr/bin/env bash
# Static checks over the whole tree: the layering of the product folders (tools/layers.sh),
# the .clang-format style, clang-tidy (.clang-tidy) and cppcheck, each failing on any finding.
#   tools/lint.sh [build-dir]   a configured build with compile_commands.json
#                               (default build/release; configures it when missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
[ -f "$build/compile_commands.json" ] || cmake --preset release -B "$build" >/dev/null
jobs=$(nproc)

echo "== layers"
tools/layers.sh

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== clang-tidy"
run-clang-tidy -quiet -p "$build" -j "$jobs" "$(pwd)/(textio|codepath|grid|judge|readers|diagnosis|driver|standings|generator|viewer|tests|tools)/.*\.cpp$" \
  >"$build/clang-tidy.log" 2>&1 || { grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u; exit 1; }

echo "== cppcheck"
cppcheck --project="$build/compile_commands.json" --library=googletest \
  --enable=warning,performance,portability,style --suppress=useStlAlgorithm \
  --suppress=missingIncludeSystem --inline-suppr --quiet --error-exitcode=1 -j "$jobs"
echo "static checks clean"
