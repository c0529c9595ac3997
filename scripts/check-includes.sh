#!/usr/bin/env bash
# Checks the folder layering of src/: each folder includes only folders listed before it
# below, and only src/qt/ includes Qt. Prints every include that breaks the order.
set -euo pipefail
cd "$(dirname "$0")/../src"
order=(pixels platform document edit files extraction effects shell forms app cli qt)
rank() {
  local i
  for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && echo "$i" && return; done
  echo -1
}
status=0
for dir in */; do
  dir=${dir%/}
  own=$(rank "$dir")
  if [ "$own" -lt 0 ]; then
    echo "src/$dir: a folder outside the layering order"
    status=1
    continue
  fi
  while IFS=: read -r file line include; do
    target=$(sed -E 's/#include "([^/"]+)\/.*/\1/' <<<"$include")
    target_rank=$(rank "$target")
    if [ "$target" != "$dir" ] && { [ "$target_rank" -lt 0 ] || [ "$target_rank" -gt "$own" ]; }; then
      echo "src/$file:$line: $dir includes $target"
      status=1
    fi
  done < <(grep -rn '^#include "' "$dir" || true)
  if [ "$dir" != qt ]; then
    if grep -rnE '^#include <Q|^#include <qt' "$dir"; then status=1; fi
  fi
done
exit $status
