#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds Ohmbrook and runs every test
# headless. Ends with CTest's summary line; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --no-tests=error -j2
