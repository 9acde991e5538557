#!/usr/bin/env bash
# Builds and runs every test of the project.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${PRIMORATOR_BUILD_DIR:-build}
scripts/build.sh
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 600
