#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test; then builds
# the tests again with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs them once more, so that a memory fault fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
(cd build && ctest --output-on-failure)

bash scripts/setup.sh build-sanitize -DZORBIK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure)
