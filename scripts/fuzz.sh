#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (address and undefined
# behaviour sanitizers on all the code they reach) and runs each for a bounded
# time. Fails when a target finds a crash, a leak or a broken property; the
# input that did it is kept in the build folder's artifacts/.
#
#   FUZZ_SECONDS         seconds per target (default 30)
#   FUZZ_TARGETS         the targets to run (default all), e.g. "numkern txtbank"
#   PRIMORATOR_FUZZ_DIR  the build folder (default build-fuzz)
#
# Each target starts from its seeds in fuzz/corpus/<target>/; what it learns
# goes to <build folder>/corpus/<target>/ and is reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${PRIMORATOR_FUZZ_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-30}
targets=${FUZZ_TARGETS:-"numkern txtbank number_text cli_arguments state_file filter_test"}

if [ ! -f "$build_dir/build.ninja" ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRIMORATOR_BUILD_FUZZ=ON \
    -DPRIMORATOR_BUILD_TESTS=OFF -DPRIMORATOR_BUILD_BENCH=OFF
fi
cmake --build "$build_dir" --target primorator_fuzz -j "$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# The text-library target writes its inputs to a file of its own here.
export TMPDIR="$PWD/$build_dir/tmp"
mkdir -p "$TMPDIR" "$build_dir/artifacts"

failed=()
for target in $targets; do
  corpus="$build_dir/corpus/$target"
  log="$build_dir/fuzz-$target.log"
  mkdir -p "$corpus"
  echo "fuzz: $target for ${seconds} s"
  # -timeout: one input taking 10 s is a hang; -rss_limit_mb guards the shared machine.
  if "$build_dir/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build_dir/artifacts/$target-" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/fuzz: $target: /" || true
  else
    echo "fuzz: $target FAILED; the end of $log:"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]} (inputs in $build_dir/artifacts/)"
  exit 1
fi
echo "fuzz: all targets passed"
