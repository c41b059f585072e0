#!/usr/bin/env bash
# Sets up what is missing, builds Quenmar and opens the check form.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
if [ -x build/dev/app/quenmar ]; then
  exec build/dev/app/quenmar "$@"
fi
echo "The check form is not built yet; the command-line check runs instead:" >&2
exec build/dev/cli/quenmar-check examples/pump-n-end-top.json -o /tmp/pump-n-end-top.txt
