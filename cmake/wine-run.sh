#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest. Each build folder keeps its own prefix
# (QUELLAR_WINEPREFIX or <cwd's build folder>/wineprefix) so the two targets never share one.
set -u
exe=$1; shift
if [ -z "${WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$exe")" && pwd)
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    export WINEPREFIX="$dir/wineprefix"
fi
export WINEDEBUG=${WINEDEBUG:--all}
# Where 32-bit programs cannot start, `wine` goes straight to the 64-bit loader.
source "$(dirname "$0")/../scripts/wine-session.sh"
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
case "$exe" in
    *.exe) ;;
    *) [ -f "$exe.exe" ] && exe="$exe.exe" ;;
esac
exec wine "$exe" "$@"
