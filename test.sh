#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest (no display needed).
set -euo pipefail
cd "$(dirname "$0")"
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSIPPORA_TESTS=ON -DSIPPORA_BENCH=ON \
  -DSIPPORA_WERROR="${SIPPORA_WERROR:-OFF}"
cmake --build build -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 "$@"
