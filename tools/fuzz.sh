#!/usr/bin/env bash
# Builds the fuzz targets with clang (address and undefined-behaviour
# sanitizers over the whole code) into build-fuzz/ and, for each target:
#  - runs every input of fuzz/regressions/<target>/ once, as a plain input,
#    under a short time limit (an input that once crashed, broke a property
#    or took too long must now pass quickly);
#  - fuzzes its seed corpus, fuzz/corpus/<target>/, for the given number of
#    seconds (default 5), with inputs no longer than the target's own bound
#    (max_len below).
# New inputs found go to a scratch folder, not into the tree; a crash (or a
# broken property, or a regression input over its time) stops the script
# with the input that caused it.
#   tools/fuzz.sh            # a few seconds each, as ./test.sh runs it
#   tools/fuzz.sh 600        # ten minutes each
#   tools/fuzz.sh 600 pictures registry_file   # only those targets
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-5}
shift || true
# Seconds one regression input may take (libFuzzer stops it within twice
# that). The inputs that once took too long are cut to the size at which the
# quadratic code they caught runs past that (over 4 s), while the code as it
# is now takes a twentieth of it.
regression_timeout=1
# The longest input each target is fuzzed with: room above its largest seed
# for what the target reads (a picture, a word base and its increments, a
# page), without wasting runs on inputs the parser would only skip through.
max_len() {
  case "$1" in
    property_bag) echo 512 ;;
    ftp_listing | ftp_replies | update_answers) echo 1024 ;;
    clip_macros | element_markup) echo 2048 ;;
    entry_lines | increment_merge | language_packs) echo 8192 ;;
    pictures) echo 16384 ;;
    *) echo 4096 ;;
  esac
}
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
# Shows the log of a failed run and keeps the input that failed in the top
# folder; stops the script.
failed() {
  local t=$1
  tail -n 60 "$scratch/$t.log"
  for a in "$scratch/$t"/crash-* "$scratch/$t"/leak-* "$scratch/$t"/timeout-* "$scratch/$t"/oom-*; do
    [[ -e "$a" ]] && cp "$a" "$top/" && echo "fuzz_$t: input kept as $(basename "$a")"
  done
  exit 1
}
for t in "${targets[@]}"; do
  mkdir -p "$scratch/$t"
  regressions=()
  if [[ -d "fuzz/regressions/$t" ]]; then
    for f in "fuzz/regressions/$t"/*; do [[ -f "$f" ]] && regressions+=("$f"); done
  fi
  if [[ ${#regressions[@]} -gt 0 ]]; then
    # Given files, not folders, libFuzzer runs each once and stops.
    build-fuzz/fuzz/fuzz_"$t" -timeout="$regression_timeout" -rss_limit_mb=2560 \
      -artifact_prefix="$scratch/$t/" "${regressions[@]}" >"$scratch/$t.log" 2>&1 || failed "$t"
  fi
  build-fuzz/fuzz/fuzz_"$t" -max_total_time="$seconds" -max_len="$(max_len "$t")" -timeout=20 -rss_limit_mb=2560 \
    -artifact_prefix="$scratch/$t/" "$scratch/$t" "fuzz/corpus/$t" >"$scratch/$t.log" 2>&1 || failed "$t"
  passed=""
  [[ ${#regressions[@]} -gt 0 ]] && passed="${#regressions[@]} regression inputs passed, "
  echo "fuzz_$t: $passed$(grep -o 'Done [0-9]* runs' "$scratch/$t.log" || echo done)"
done
