#!/usr/bin/env bash
# Sets up the machine, builds everything, fetches the DXF corpus (tests/corpus/fetch.sh) and runs
# all tests with ctest. With --sanitize it then builds a second tree with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer ($KY_SANITIZE_BUILD_DIR, default build-asan) and runs every test
# there as well; any report fails the run. The normal tree uses the default compiler (gcc), so
# the two trees also keep the code building with both compilers.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=0
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    *) echo "test: unknown option '$arg' (known: --sanitize)" >&2; exit 2 ;;
  esac
done

scripts/setup.sh
scripts/build.sh
tests/corpus/fetch.sh || echo "test: the third-party DXF corpus could not be fetched; its tests skip" >&2
(cd "${KY_BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

if [ "$sanitize" = 1 ]; then
  asan_dir="${KY_SANITIZE_BUILD_DIR:-build-asan}"
  KY_BUILD_DIR="$asan_dir" scripts/build.sh -DKY_SANITIZE=ON -DKY_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++
  export ASAN_OPTIONS="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/quality/lsan.supp:print_suppressions=0"
  (cd "$asan_dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
fi
