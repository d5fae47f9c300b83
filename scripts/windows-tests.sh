#!/usr/bin/env bash
# Builds the Windows programs (gearpair-cli.exe and the core's tests) with MinGW-w64
# into ./build-windows and proves under Wine that they give the Linux build's bytes:
#   1. the core's test suite;
#   2. the golden cases (tables and saved reports, the rating table as numbers)
#      against tests/golden;
#   3. GEARPAIR_WINDOWS_FORMS (default 100000) random forms through geometry,
#      strength and --report of both builds, compared byte for byte.
# Needs the Linux build in ./build (scripts/build.sh). Set GEARPAIR_WINDOWS_FORMS=0
# to skip this script.
set -euo pipefail
cd "$(dirname "$0")/.."
forms="${GEARPAIR_WINDOWS_FORMS:-100000}"
[ "$forms" -gt 0 ] || exit 0
start=$SECONDS

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEARPAIR_GUI=OFF -DGEARPAIR_BENCH=OFF >/dev/null
cmake --build build-windows -j "$(nproc)"

work=build-windows/compare
mkdir -p "$work"
export WINEPREFIX="$PWD/build-windows/wine-prefix"
# A new prefix is written by Wine in the background of its first program; a program
# started while that is still going may fail. Make the prefix first and wait until
# Wine has finished with it.
WINEDEBUG=-all "${GEARPAIR_WINE:-/usr/lib/wine/wine64}" wineboot --init >/dev/null 2>&1 || true
/usr/lib/wine/wineserver --wait || true
# The reports' stamps are the system's short date and time formats: run Wine in a
# Chinese locale (built here, as a fresh machine has none) so that both builds write
# "2026/12/7 14:03:05".
if [ ! -d build-windows/locale/zh_CN.UTF-8 ]; then
    mkdir -p build-windows/locale
    localedef -i zh_CN -f UTF-8 build-windows/locale/zh_CN.UTF-8
fi
chinese=(env LOCPATH="$PWD/build-windows/locale" LC_ALL=zh_CN.UTF-8)
wine=("${chinese[@]}" cmake/wine-run.sh)
linux_cli=("${chinese[@]}" build/src/cli/gearpair-cli)
windows_cli=build-windows/src/cli/gearpair-cli.exe
stamp="2026-12-07 14:03:05"
failed=0

echo "== The core's test suite under Wine"
for t in build-windows/tests/*/*_tests.exe; do
    if ! "${wine[@]}" "$t" --gtest_brief=1 >"$work/$(basename "$t").log" 2>&1; then
        cat "$work/$(basename "$t").log"
        echo "FAILED: $t"
        failed=1
    fi
done
"${wine[@]}" build-windows/fuzz/fuzz_corpus_replay.exe fuzz/corpus || failed=1
"${wine[@]}" build-windows/fuzz/rating_corpus_replay.exe fuzz/rating_corpus || failed=1

# Compares what both builds print for one run; names the lines that differ.
compare() {
    local name="$1" expected="$2" actual="$3"
    if cmp -s "$expected" "$actual"; then
        echo "same: $name"
    else
        echo "DIFFERENT: $name"
        diff <(tr -d '\r' <"$expected") <(tr -d '\r' <"$actual") | head -20 || true
        failed=1
    fi
}

echo "== Golden cases"
for mode in geometry strength; do
    "${wine[@]}" "$windows_cli" "$mode" tests/golden/cases.csv >"$work/golden-$mode.csv"
    compare "$mode table of cases.csv" <(tr -d '\r' <"tests/golden/$mode.csv") \
        "$work/golden-$mode.csv"
    "${wine[@]}" "$windows_cli" "$mode" --report --time "$stamp" tests/golden/report-cases.csv \
        >"$work/golden-$mode.txt" 2>/dev/null
    compare "$mode reports of report-cases.csv" "tests/golden/reports-$mode.txt" \
        "$work/golden-$mode.txt"
done

# The rating prints full-precision numbers, whose last bits depend on each system's
# mathematics library: compared as numbers, to 1e-6 as the golden table asks.
"${wine[@]}" "$windows_cli" rating tests/golden/rating-cases.csv >"$work/golden-rating.csv"
if awk -f scripts/windows/same-numbers.awk tests/golden/rating.csv \
    <(tr -d '\r' <"$work/golden-rating.csv"); then
    echo "same: rating table of rating-cases.csv"
else
    echo "DIFFERENT: rating table of rating-cases.csv"
    failed=1
fi

echo "== $forms random forms"
awk -v rows="$forms" -v seed=14 -f scripts/windows/random-forms.awk >"$work/forms.csv"
tags=(geometry geometry-report strength strength-report)
run_both() {
    local tag="$1" args=("${1%-report}")
    [ "$tag" != "${tag%-report}" ] && args+=(--report --time "$stamp")
    "${linux_cli[@]}" "${args[@]}" "$work/forms.csv" >"$work/linux-$tag" 2>"$work/linux-$tag.err"
    "${wine[@]}" "$windows_cli" "${args[@]}" "$work/forms.csv" >"$work/windows-$tag" \
        2>"$work/windows-$tag.err"
}
# Two at a time: the strength runs under Wine take most of the time.
for tag in "${tags[@]}"; do
    run_both "$tag" &
    if [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; then wait -n; fi
done
wait
for tag in "${tags[@]}"; do
    compare "$tag of $forms forms" "$work/linux-$tag" "$work/windows-$tag"
    compare "$tag of $forms forms (standard error)" "$work/linux-$tag.err" \
        "$work/windows-$tag.err"
done

echo "Windows part: $((SECONDS - start)) s"
exit "$failed"
