#!/usr/bin/env bash
# Lists every tracked source under src, tests and tools that clang-format (.clang-format) would
# change, and exits 1 when there is any; 0 when all follow the house style.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/clang-format-tool.sh

differ=0
while IFS= read -r -d '' file; do
  if ! "$CLANG_FORMAT" --style=file "$file" | cmp -s - "$file"; then
    echo "$file"
    differ=1
  fi
done < <(formatted_sources)
if [ "$differ" -ne 0 ]; then
  echo "These files do not follow .clang-format; scripts/format-all.sh formats them." >&2
fi
exit "$differ"
