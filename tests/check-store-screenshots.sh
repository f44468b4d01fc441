#!/usr/bin/env bash
# Fails when a stored AppStream screenshot (docs/screenshots/store-*.png)
# differs from what tools/store-screenshots.sh composes of the window
# screenshots now; names each one and how many pixels differ. The compose
# reads only stored PNGs, so the pictures must match pixel for pixel.
#   check-store-screenshots.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$source_dir/tools/store-screenshots.sh" "$scratch" >/dev/null
status=0
for made in "$scratch"/store-*.png; do
  name=$(basename "$made")
  stored=$source_dir/docs/screenshots/$name
  if [ ! -f "$stored" ]; then
    echo "$name: not stored in docs/screenshots"
    status=1
    continue
  fi
  differing=$(compare -metric AE "$made" "$stored" null: 2>&1 || true)
  if [ "$differing" != "0" ]; then
    echo "$name: $differing pixels differ from what tools/store-screenshots.sh makes"
    status=1
  fi
done
exit $status
