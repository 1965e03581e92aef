#!/bin/sh
# criar-banco --demo makes a database that isql sees with its schema and data;
# a second run on the same path refuses and changes nothing.
set -eu
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$cli" criar-banco "$dir/x.fdb" --demo
out=$(printf 'SELECT COUNT(*) FROM EMPRESA;\nSELECT COUNT(*) FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME STARTING WITH '"'"'PRC_'"'"';\n' \
      | isql-fb -q -user SYSDBA "$dir/x.fdb")
echo "$out" | grep -qw 1 || { echo "sem empresa: $out"; exit 1; }
echo "$out" | grep -qw 6 || { echo "procedimentos: $out"; exit 1; }
if "$cli" criar-banco "$dir/x.fdb" 2>/dev/null; then echo "sobrescreveu"; exit 1; fi
echo ok
