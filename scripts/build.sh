#!/bin/bash
# Configures and builds the project into BUILD (default: build/).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build}
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j"$(nproc)"
