#!/usr/bin/env bash
# Configures and builds the project into ./build (or $KY_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${KY_BUILD_DIR:-build}"
# Paths relative to the checkout, and debug builds not keyed by their build folder, so every
# clone and worktree shares the compiler cache.
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=true
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
