#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$top/scripts/setup.sh"
bin="$top/build/bin"
if [ -x "$bin/tsubakiya" ]; then
  exec "$bin/tsubakiya" "$@"
fi
# The windows are not built yet: show what the engine can do headless.
newest=""
for tool in tsubakiya-sim tsubakiya-hand; do
  [ -x "$bin/$tool" ] && { newest="$bin/$tool"; break; }
done
if [ -z "$newest" ]; then
  echo "Nothing to run yet: the build produced neither the game nor a headless tool." >&2
  exit 1
fi
echo "The game's windows are not built yet; running the headless tool $(basename "$newest") instead." >&2
if [ $# -gt 0 ]; then
  exec "$newest" "$@"
elif [ "$(basename "$newest")" = tsubakiya-sim ]; then
  exec "$newest" --seed "$(date +%s)" --deal
else
  exec "$newest"
fi
