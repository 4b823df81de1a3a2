#!/usr/bin/env bash
# Installs what is missing, builds sippora in Release and starts it. sippora
# prepares its dictionary folder itself (~/.local/share/sippora: starter files
# from data/ on first start, never overwriting) and works in it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSIPPORA_TESTS=OFF -DSIPPORA_BENCH=OFF >/dev/null
cmake --build build -j2 --target sippora qstrip
exec "$here/build/app/sippora" "$@"
