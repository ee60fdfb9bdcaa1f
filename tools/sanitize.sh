#!/usr/bin/env bash
# Builds the whole suite with the address and undefined-behaviour sanitizers
# (clang) into build-sanitize/ and runs every test there, headless. Any report
# fails its test. What the libraries we call keep or do that we can't mend is
# listed, each with its reason, in tools/sanitizers/.
#   tools/sanitize.sh                 # every test
#   tools/sanitize.sh -R htmledit     # only those (further arguments go to ctest)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tools/install-deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUITE_SANITIZE=ON \
  "${launcher[@]}" >/dev/null
cmake --build build-sanitize -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
supp="$top/tools/sanitizers"
# new_delete_type_mismatch=0: the web engine frees some of its own objects
#   through a base class of another size, inside libQt6WebEngineCore; the
#   check can't be limited to one library, so it is off.
# fast_unwind_on_malloc=0: the libraries we call are built without frame
#   pointers; the slow unwinder gives whole allocation stacks, which the leak
#   suppressions match by library.
export ASAN_OPTIONS=new_delete_type_mismatch=0:fast_unwind_on_malloc=0:malloc_context_size=30
export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The tests on a real display draw the web engine's windows through the
#   software GL driver. Its default back end compiles shaders at run time and
#   registers their unwind tables through malloc, which the slow unwinder
#   above enters again: the process deadlocks at its first frame. The plain
#   software back end compiles nothing.
export GALLIUM_DRIVER=softpipe
# The two checks run under valgrind are left out: it and the sanitizers don't
# run in one process.
ctest --test-dir build-sanitize -E '_memcheck$' --output-on-failure -j "$(nproc)" --timeout 1200 "$@"
