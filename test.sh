#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
cd "$top"
tools/install-deps.sh
tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 600
# Every parser of file or network input, fuzzed a few seconds on its corpus.
tools/fuzz.sh 5
