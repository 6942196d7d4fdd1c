#!/usr/bin/env bash
# Installs the packages, configures and builds the whole project into build/, then runs every
# test with Qt's offscreen platform. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
