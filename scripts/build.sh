#!/usr/bin/env bash
# Configures and builds GearPair into ./build (warnings on, tests and benchmarks too).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
