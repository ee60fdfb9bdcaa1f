#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wortel (or, with the argument
# "pagewright", the page editor).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
cd "$top"
tools/install-deps.sh
tools/build.sh
if [[ -x build/dist/zorbLink/regsvr && -f build/dist/zorbLink/zorbLink.ocx ]]; then
  # Wortel still starts without it; its about window then says the links are missing.
  build/dist/zorbLink/regsvr /s build/dist/zorbLink/zorbLink.ocx || echo "zorbLink.ocx could not be registered" >&2
fi
case "${1:-wortel}" in
  pagewright) exec build/dist/Pagewright/pagewright ;;
  wortel) exec build/dist/Wortel/wortel ;;
  *) echo "usage: ./run.sh [pagewright]" >&2; exit 2 ;;
esac
