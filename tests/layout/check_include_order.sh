#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it must not depend on. The order, lowest
# first: core/store <- core/registers, core/reports (siblings: neither includes the other) <-
# core/tools <- ui/common <- ui/store, ui/registers, ui/reports (siblings) <- ui/tools <-
# ui/mainwindow.
# A folder may include its own headers and those of lower ranks only.
set -euo pipefail
src="${1:?usage: check_include_order.sh SOURCE_DIR}"

rank() {
  case "$1" in
    core/store) echo 0 ;;
    core/registers|core/reports) echo 1 ;;
    core/tools) echo 2 ;;
    ui/common) echo 3 ;;
    ui/store|ui/registers|ui/reports) echo 4 ;;
    ui/tools) echo 5 ;;
    ui/mainwindow) echo 6 ;;
    *) echo "" ;;
  esac
}

status=0
cd "$src"
while IFS= read -r file; do
  folder=$(dirname "$file")
  own=$(rank "$folder")
  if [ -z "$own" ]; then
    echo "$file: its folder has no place in the order of layers" >&2
    status=1
    continue
  fi
  while IFS= read -r header; do
    target=$(dirname "$header")
    [ "$target" = "$folder" ] && continue
    theirs=$(rank "$target")
    if [ -z "$theirs" ] || [ "$theirs" -ge "$own" ]; then
      echo "$file includes $header, against the order of layers" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\(\(core\|ui\)\/[^"]*\)".*/\1/p' "$file")
done < <(find core ui -name '*.h' -o -name '*.cpp' | sort)

if [ "$status" -eq 0 ]; then
  echo "Every include follows the order of layers."
fi
exit "$status"
