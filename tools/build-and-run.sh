#!/usr/bin/env bash
# Installs what is missing (Debian 12), builds Ohmbrook and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target ohmbrook
exec ./build/ohmbrook
