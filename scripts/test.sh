#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, then the
# core's suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# Windows build under Wine against the Linux one (scripts/windows-tests.sh;
# GEARPAIR_WINDOWS_FORMS=0 skips it), then the fuzzer for GEARPAIR_FUZZ_SECONDS
# (default 60; 0 skips it) with a fixed seed, so that a slower machine runs a prefix
# of the inputs a faster one ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
scripts/sanitized-tests.sh
scripts/windows-tests.sh
fuzz_seconds="${GEARPAIR_FUZZ_SECONDS:-60}"
if [ "$fuzz_seconds" -gt 0 ]; then
    GEARPAIR_FUZZ_SEED="${GEARPAIR_FUZZ_SEED:-1}" scripts/fuzz "$fuzz_seconds"
fi
