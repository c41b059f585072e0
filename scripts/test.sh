#!/usr/bin/env bash
# Sets up what is missing, then builds and runs the whole test suite twice: once plain and once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
for preset in dev asan; do
  echo "=== $preset build ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "=== $preset tests ==="
  ctest --preset "$preset" -j2
done
echo "All tests passed (plain and sanitized)."
