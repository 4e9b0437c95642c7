#!/usr/bin/env bash
# Every catalogue translates every text of the sources, and nothing the sources no longer have:
# lupdate merges the sources into a copy of each catalogue, which must then hold no text marked
# unfinished (new or changed in the sources) nor vanished (gone from them).
# Usage: catalogues_check.sh <lupdate> <source dir>
set -euo pipefail
lupdate=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for catalogue in "$src"/resources/translations/*.ts; do
  copy="$work/$(basename "$catalogue")"
  cp "$catalogue" "$copy"
  (cd "$src" && "$lupdate" -silent -I . -source-language zh_CN -locations none app engine platform scores ui -ts "$copy")
  if grep -n -B2 -E 'type="(unfinished|vanished|obsolete)"' "$copy"; then
    echo "FAIL: $(basename "$catalogue") does not match the texts of the sources (above)"
    status=1
  fi
done
exit $status
