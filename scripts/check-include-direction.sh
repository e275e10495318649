#!/usr/bin/env bash
# Checks that the folders of src/ include each other one way only: collects, for every source
# file, the folders of the project headers it includes, and has tsort order the folders. A loop
# (a folder that reaches itself through its includes) fails the check and is printed.
# Usage: scripts/check-include-direction.sh [-v]    (-v: print the folder graph too)
set -euo pipefail
cd "$(dirname "$0")/../src"

files=$(find . \( -name '*.h' -o -name '*.cpp' -o -name '*.mm' \) | sed 's|^\./||' | sort)
# "folder-included folder-including" for each include of a project header (named from src/).
edges=$(
  # shellcheck disable=SC2086 # one word per file name
  grep -HE '^[[:space:]]*#[[:space:]]*(include|import)[[:space:]]*"' $files |
    awk -v known="$files" '
      function folder(path) { return sub(/\/[^\/]*$/, "", path) ? path : "." }
      BEGIN { count = split(known, list, "\n"); for (i = 1; i <= count; i++) exists[list[i]] = 1 }
      {
        file = $0; sub(/:.*/, "", file)
        header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
        if (!(header in exists)) next  # beside the file, or not in the project
        if (folder(header) != folder(file)) print folder(header) " " folder(file)
      }' |
    sort -u
)

if [ "${1:-}" = -v ]; then
  echo "$edges" | awk '{ print $2 " -> " $1 }'
fi
if ! order=$(echo "$edges" | tsort 2>&1 >/dev/null); then
  echo "include loop between folders of src/:" >&2
  echo "$order" >&2
  exit 1
fi
echo "folders of src/, each including only folders before it:"
echo "$edges" | tsort | tr '\n' ' '
echo
