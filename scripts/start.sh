#!/usr/bin/env bash
# Builds and starts the program on its embedded default database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/src/cli/financeiro-cli info "$@"
