#!/usr/bin/env bash
# Builds the core (calculations, reports, batch tool; no Qt) and its tests with
# AddressSanitizer and UndefinedBehaviorSanitizer into ./build-sanitize and runs
# them. Any sanitizer report fails the run. Pass -DGEARPAIR_GUI=ON to include the
# desktop program's tests too.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGEARPAIR_SANITIZE=ON \
    -DGEARPAIR_GUI=OFF -DGEARPAIR_BENCH=OFF "$@" >/dev/null
cmake --build build-sanitize -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" --timeout 600
