#!/bin/sh
# The program started on an account with no configuration writes its
# connections file, creates the demo database and keeps running (the main
# window is up) until it is stopped.
set -u
prog="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
HOME="$dir" XDG_CONFIG_HOME= XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen timeout -k 5 8 "$prog"
rc=$?
[ "$rc" = 124 ] || { echo "o programa terminou sozinho (código $rc)"; exit 1; }
[ -f "$dir/.config/Financeiro/dbxconnections.ini" ] || { echo "sem dbxconnections.ini"; exit 1; }
[ -f "$dir/.local/share/Financeiro/KVT/Banco/KVT.GDB" ] || { echo "sem banco de dados"; exit 1; }
echo ok
