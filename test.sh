#!/usr/bin/env bash
# Builds Dorvane and runs every test.  SANITIZE=1 builds with AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate folder and runs the same tests, except the window
# tests of the folders above the platform.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

if [ "${SANITIZE:-0}" = "1" ]; then
  build=build-sanitize
  extra=(-DDORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
else
  build=build
  extra=()
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -G Ninja "${extra[@]}" >/dev/null
cmake --build "$build" --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 QT_SCALE_FACTOR=1
ctest --test-dir "$build" --output-on-failure --parallel "$jobs" "$@"
