#!/usr/bin/env bash
# The manual page names every option --help lists, and no option that
# --help does not know (--help itself included).
#   man-options.sh PRUZCALC MAN_PAGE_SOURCE
set -eu
help=$({ "$1" --help | grep -E '^  -' | sed -E 's/^ +//; s/ .*//' | tr ',' '\n'; printf '%s\n' -h --help; } | sort -u)
man=$(sed 's/\\-/-/g' "$2" | grep -E '^\.(B|BI|BR) ' | grep -oE -- '(^|[ "])--?[a-z][a-z0-9-]*' \
  | grep -oE -- '--?[a-z][a-z0-9-]*' | sort -u)
if [ "$help" != "$man" ]; then
  echo "options of --help and of $2 differ (< --help only, > manual page only):"
  diff <(echo "$help") <(echo "$man") || true
  exit 1
fi
