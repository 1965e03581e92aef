#!/usr/bin/env bash
# Builds and runs every test. Extra arguments go to ctest (for example -L unit).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc)" "$@"
