#!/usr/bin/env bash
# Starts the program from the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
exec "${PRIMORATOR_BUILD_DIR:-build}/bin/primorator" "$@"
