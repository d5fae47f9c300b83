#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, in a Wine prefix of its own
# beside the build (WINEPREFIX, created on first use), with Wine's own messages off.
set -euo pipefail
exe="$1"
shift
if [ -z "${WINEPREFIX:-}" ]; then
    dir="$(cd "$(dirname "$exe")" && pwd)"
    # The build folder: the nearest folder up from the program with a CMakeCache.txt.
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir="$(dirname "$dir")"; done
    [ "$dir" = / ] && dir="${TMPDIR:-/tmp}"
    export WINEPREFIX="$dir/wine-prefix"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec "${GEARPAIR_WINE:-/usr/lib/wine/wine64}" "$exe" "$@"
