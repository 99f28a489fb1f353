#!/usr/bin/env bash
# Installs what is missing, builds Tarvik and runs every test: the unit,
# scenario, desktop and real-window tests, the scripted driver against the
# scenario transcripts, and the core's tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVIK_SANITIZE=ON \
      -DTARVIK_DESKTOP=OFF -DTARVIK_BENCHMARKS=OFF > /dev/null
cmake --build build-sanitize -j "$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Every test"
ctest --test-dir build --output-on-failure -j "$jobs"
