#!/usr/bin/env bash
# Checks the folder layering of src/: each folder includes only folders listed before it
# below, declares no class of a folder listed after it, and only src/qt/ includes Qt.
# Prints every include and declaration that breaks the order.
set -euo pipefail
cd "$(dirname "$0")/../src"
order=(pixels platform document edit files extraction effects shell forms app cli qt)
rank() {
  local i
  for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && echo "$i" && return; done
  echo -1
}
# The folder rank of each class or struct defined under src/, by name.
declare -A defined_in
while IFS=: read -r file _ text; do
  name=$(sed -E 's/^(class|struct) ([A-Za-z0-9_]+).*/\2/' <<<"$text")
  defined_in[$name]=$(rank "${file%%/*}")
done < <(grep -rnE '^(class|struct) [A-Za-z0-9_]+( final)? *[:{]' . --include='*.h' |
  sed 's|^\./||')
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
  while IFS=: read -r file line text; do
    name=$(sed -E 's/^ *(class|struct) ([A-Za-z0-9_]+);.*/\2/' <<<"$text")
    if [ "${defined_in[$name]:--1}" -gt "$own" ]; then
      echo "src/$file:$line: $dir declares $name of a later folder"
      status=1
    fi
  done < <(grep -rnE '^ *(class|struct) [A-Za-z0-9_]+;' "$dir" || true)
  if [ "$dir" != qt ]; then
    if grep -rnE '^#include <Q|^#include <qt' "$dir"; then status=1; fi
  fi
done
exit $status
