#!/bin/sh
# boardset.exe under Wine for cli_test.sh: standard error in text mode ends its lines with CR LF, as
# every Windows console program's does; the transcript compares them without the CR.
#   BSE_WINE=wine BSE_EXE=boardset.exe wine_boardset.sh ARGUMENT...
err=$(mktemp) || exit 2
"$BSE_WINE" "$BSE_EXE" "$@" 2>"$err"
code=$?
tr -d '\r' <"$err" >&2
rm -f "$err"
exit $code
