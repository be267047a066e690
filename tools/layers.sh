#!/usr/bin/env bash
# Fails when a product source includes a header from a product folder above its own. The
# folders and their order, bottom up, are the add_subdirectory lines that follow
# "# The product folders" in CMakeLists.txt; a unit's tests (*_test.cpp) may include anything.
#   tools/layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t folders < <(sed -n '/^# The product folders/,/^$/s/^add_subdirectory(\(.*\))$/\1/p' CMakeLists.txt)
[ ${#folders[@]} -gt 0 ] || { echo "CMakeLists.txt names no product folders"; exit 1; }
declare -A rank
for k in "${!folders[@]}"; do rank[${folders[k]}]=$k; done

faults=0
for folder in "${folders[@]}"; do
  while IFS=: read -r file line included; do
    used=${included%%/*}
    if [ -n "${rank[$used]:-}" ] && [ "${rank[$used]}" -gt "${rank[$folder]}" ]; then
      echo "$file:$line: $folder/ includes from $used/, a folder above it"
      faults=$((faults + 1))
    fi
  done < <(git ls-files "$folder/*.cpp" "$folder/*.h" | grep -v '_test\.cpp$' |
    xargs -r grep -n -o -E '^#include "[a-z_]+/' | sed -E 's/#include "//')
done
echo "layers: ${folders[*]} (bottom up); $faults includes from a folder above"
[ "$faults" = 0 ]
