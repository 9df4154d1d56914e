#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$top/build"
ctest --output-on-failure --no-tests=error -j "$(nproc 2>/dev/null || echo 2)"
