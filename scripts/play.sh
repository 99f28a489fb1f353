#!/usr/bin/env bash
# Installs what is missing, builds Tarvik and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target tarvik
exec build/tarvik
