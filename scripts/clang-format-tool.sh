# Sourced by the format scripts: the clang-format the house style was tuned with (Debian's 14),
# or the one CLANG_FORMAT names, and the files it keeps: every tracked C++ source under src,
# tests and tools.
CLANG_FORMAT=${CLANG_FORMAT:-$(command -v clang-format-14 || command -v clang-format || true)}
if [ -z "$CLANG_FORMAT" ]; then
  echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 2
fi

formatted_sources() {
  git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h'
}
