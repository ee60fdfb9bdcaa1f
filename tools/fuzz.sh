#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers over the whole code) into build-fuzz/ and runs each on its seed
# corpus, fuzz/corpus/<target>/, for the given number of seconds (default 5).
# New inputs found go to a scratch folder, not into the tree; a crash (or a
# broken property) stops the script with the input that caused it.
#   tools/fuzz.sh            # a few seconds each, as ./test.sh runs it
#   tools/fuzz.sh 600        # ten minutes each
#   tools/fuzz.sh 600 pictures registry_file   # only those targets
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-5}
shift || true
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_FUZZ=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzz_targets -j "$(nproc)" >/dev/null
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export ASAN_OPTIONS=detect_leaks=0
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  for d in fuzz/corpus/*/; do targets+=("$(basename "$d")"); done
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Whatever a target writes to the temporary folder goes with the scratch
# folder, also after a crash.
mkdir -p "$scratch/tmp"
export TMPDIR="$scratch/tmp"
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  if ! build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2560 \
       -artifact_prefix="$scratch/$t/" "$scratch/$t" "fuzz/corpus/$t" >"$scratch/$t.log" 2>&1; then
    tail -n 60 "$scratch/$t.log"
    for a in "$scratch/$t"/crash-* "$scratch/$t"/leak-* "$scratch/$t"/timeout-* "$scratch/$t"/oom-*; do
      [[ -e "$a" ]] && cp "$a" "$top/" && echo "fuzz_$t: input kept as $(basename "$a")"
    done
    exit 1
  fi
  echo "fuzz_$t: $(grep -o 'Done [0-9]* runs' "$scratch/$t.log" || echo done)"
done
