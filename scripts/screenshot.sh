#!/usr/bin/env bash
# Takes a PNG of the check form under Xvfb, as it opens, or (--sample) filled in with an End-Top
# pump in N and N-m whose check has run, or (--about) of the About box. Any QT_SCALE_FACTOR
# given is passed on, to look at the form on a high-DPI screen.
#   scripts/screenshot.sh [--sample | --about] [picture.png]     (default: form.png)
set -euo pipefail
cd "$(dirname "$0")/.."

what=()
if [ "${1:-}" = "--sample" ] || [ "${1:-}" = "--about" ]; then
  what=("$1")
  shift
fi
out=$(realpath -m "${1:-form.png}")

scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target form_screenshot
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1600x900x24" \
  build/dev/tests/form/form_screenshot "${what[@]}" "$out"
echo "$out"
