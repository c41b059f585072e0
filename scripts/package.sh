#!/usr/bin/env bash
# Sets up what is missing, builds Quenmar optimised and makes its Debian package in build/package.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/package -j2
(cd build/package && cpack >/dev/null)
ls build/package/quenmar_*.deb
