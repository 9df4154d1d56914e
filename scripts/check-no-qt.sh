#!/usr/bin/env bash
# Fails when a layer below ui/ includes a Qt header or links a Qt module.
set -u
top="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$top" || exit 2
layers=(common rules engine hand cpu store lan tools)
found=$(grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt[a-z]*/)' "${layers[@]}" 2>/dev/null)
linked=$(grep -rnE 'Qt6?::|find_package\(\s*Qt' --include=CMakeLists.txt "${layers[@]}" 2>/dev/null)
if [ -n "$found$linked" ]; then
  echo "Qt used outside ui/ and app/:"
  [ -n "$found" ] && echo "$found"
  [ -n "$linked" ] && echo "$linked"
  exit 1
fi
echo "no Qt outside ui/ and app/"
