#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# (PRIMORATOR_SANITIZE, g++) into build-asan/ and runs every test there, the
# window tests included (offscreen). The kernels are built with the same flags,
# so the code the tests dlopen() is checked too. Any sanitizer report, a leak
# included, fails the test that made it; scripts/lsan.supp lists the leaks of
# the system's own libraries that are not ours to fix.
#
#   PRIMORATOR_BUILD_DIR  the build folder (default build-asan); it must be a
#                         sanitizer build or not exist yet.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${PRIMORATOR_BUILD_DIR:-build-asan}

# Set for the build as well: the test discovery runs the test programs.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

if [ -f "$build_dir/CMakeCache.txt" ] &&
    ! grep -q '^PRIMORATOR_SANITIZE:BOOL=ON$' "$build_dir/CMakeCache.txt"; then
  echo "test-sanitized: $build_dir is not a sanitizer build; choose another PRIMORATOR_BUILD_DIR" >&2
  exit 2
fi
if [ ! -f "$build_dir/build.ninja" ]; then
  # -O1: fast enough for the suite, with exact stack traces.
  cmake -S . -B "$build_dir" -G Ninja -DPRIMORATOR_SANITIZE=ON -DPRIMORATOR_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g -DNDEBUG"
fi
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 1200
