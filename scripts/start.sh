#!/usr/bin/env bash
# Builds and starts the program on its embedded default database (created on
# the first start, with a demonstration company).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Sem tela gráfica: o programa roda num servidor X virtual (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1366x768x24" build/src/app/financeiro "$@"
fi
exec build/src/app/financeiro "$@"
