#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, then the
# core's suite again under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# Windows build under Wine against the Linux one (scripts/windows-tests.sh;
# GEARPAIR_WINDOWS_FORMS=0 skips it), then the fuzzer for GEARPAIR_FUZZ_SECONDS
# (default 60; 0 skips it) shared out over its four targets (calculations, pair file,
# rating, contour), each with a fixed seed, so that a slower machine runs a prefix of
# the inputs a faster one ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
scripts/sanitized-tests.sh
scripts/windows-tests.sh
fuzz_seconds="${GEARPAIR_FUZZ_SECONDS:-60}"
case "$fuzz_seconds" in
    '' | *[!0-9]*) echo "GEARPAIR_FUZZ_SECONDS must be a whole number of seconds" >&2; exit 2 ;;
esac
fuzz_targets=(calculations pair_file rating contour)
for k in "${!fuzz_targets[@]}"; do
    # An equal share each, the seconds left over going to the first targets; a target
    # whose share is 0 is skipped (libFuzzer would take 0 as "no limit").
    share=$((fuzz_seconds / ${#fuzz_targets[@]} + (k < fuzz_seconds % ${#fuzz_targets[@]} ? 1 : 0)))
    if [ "$share" -gt 0 ]; then
        GEARPAIR_FUZZ_SEED="${GEARPAIR_FUZZ_SEED:-1}" scripts/fuzz "$share" "${fuzz_targets[$k]}"
    fi
done
