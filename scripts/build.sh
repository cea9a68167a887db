#!/usr/bin/env bash
# Configures and builds the project into ./build (or $KY_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${KY_BUILD_DIR:-build}"
# Paths relative to the checkout, so every clone shares the compiler cache.
export CCACHE_BASEDIR="$PWD"
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
