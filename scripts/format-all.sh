#!/usr/bin/env bash
# Formats every tracked source under src, tests and tools in place with clang-format (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/clang-format-tool.sh

formatted_sources | xargs -0 -r "$CLANG_FORMAT" --style=file -i
