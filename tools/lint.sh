#!/usr/bin/env bash
# Static checks over the whole tree: the layering of the product folders (tools/layers.sh),
# the .clang-format style, clang-tidy (.clang-tidy) and cppcheck, and ESLint over the page's
# scripts (web/eslint.config.mjs), each failing on any finding. ESLint is the one that
# web/package-lock.json pins, run from web/node_modules, which `npm ci` fills (from npm's cache
# where it can) when it is missing or older than the lock file.
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
# Every product folder (the add_subdirectory lines after "# The product folders" in
# CMakeLists.txt, as tools/layers.sh reads them), the tests and the tools; and their headers.
mapfile -t folders < <(sed -n '/^# The product folders/,/^$/s/^add_subdirectory(\(.*\))$/\1/p' CMakeLists.txt)
checked=$(IFS='|'; echo "${folders[*]}|tests|tools")
run-clang-tidy -quiet -p "$build" -j "$jobs" -header-filter="^/.*/($checked|bench|fuzz)/" \
  "$(pwd)/($checked)/.*\.cpp$" >"$build/clang-tidy.log" 2>&1 ||
  { grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u; exit 1; }

echo "== cppcheck"
cppcheck --project="$build/compile_commands.json" --library=googletest \
  --enable=warning,performance,portability,style --suppress=useStlAlgorithm \
  --suppress=missingIncludeSystem --inline-suppr --quiet --error-exitcode=1 -j "$jobs"

echo "== eslint"
if [ ! -x web/node_modules/.bin/eslint ] ||
  [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --no-audit --no-fund --ignore-scripts --prefer-offline --loglevel=error)
fi
(cd web && node_modules/.bin/eslint --max-warnings 0 .)
echo "static checks clean"
