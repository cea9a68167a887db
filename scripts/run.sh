#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir="${KY_BUILD_DIR:-build}"
if [ -x "$build_dir/bin/kyprops" ]; then
  exec "$build_dir/bin/kyprops" "$@"
fi
echo "run: build complete (the command-line palette is not built yet)"
