#!/usr/bin/env bash
# Builds Primorator and makes its Debian package in the build folder:
# build/primorator_<version>_amd64.deb, with the programs, kernel libraries,
# data files, manual pages, desktop entry and icon, installed below /usr.
#   sudo apt install ./build/primorator_*_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${PRIMORATOR_BUILD_DIR:-build}
scripts/build.sh
(cd "$build_dir" && cpack -G DEB)
ls "$build_dir"/primorator_*_amd64.deb
