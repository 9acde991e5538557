#!/usr/bin/env bash
# Configures (once) and builds Primorator into build/ (executables, kernels and
# data files in build/bin/). Extra arguments go to cmake at configure time.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${PRIMORATOR_BUILD_DIR:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
fi
cmake --build "$build_dir" -j "$(nproc)"
