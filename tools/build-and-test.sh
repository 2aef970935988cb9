#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds Ohmbrook and runs every test
# headless; then builds it again with clang under AddressSanitizer (leak
# checks included) and UndefinedBehaviorSanitizer in build-sanitize, runs the
# same tests there (all but the package test), runs each fuzz target for
# 20 seconds and lets the monkey make 10000 random actions on a virtual X
# server. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DOHMBROOK_SANITIZE=ON -DOHMBROOK_FUZZ=ON -DOHMBROOK_FUZZ_SECONDS=20
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j2 -LE package

# The long monkey, sanitized, on a real (virtual) X server.
OHMBROOK_MONKEY_EVENTS=10000 QT_QPA_PLATFORM=xcb xvfb-run -a build-sanitize/tests/monkey/test_monkey
