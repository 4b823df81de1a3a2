#!/usr/bin/env bash
# Installs what is missing, builds sippora in Release, prepares the dictionary folder on first
# start (starter files from data/, never overwriting) and starts sippora in that folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSIPPORA_TESTS=OFF -DSIPPORA_BENCH=OFF >/dev/null
cmake --build build -j2 --target sippora qstrip
folder="${XDG_DATA_HOME:-$HOME/.local/share}/sippora"
mkdir -p "$folder"
for f in "$here"/data/*; do
  [ -f "$f" ] || continue
  [ -e "$folder/$(basename "$f")" ] || cp "$f" "$folder/"
done
cd "$folder"
exec "$here/build/app/sippora" "$@"
