#!/usr/bin/env bash
# Starts Quillory on the sample languages in a working folder that is kept between runs.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
scripts/setup.sh
scripts/build.sh
work=${QUILLORY_WORK:-$root/workdir}
if [ ! -d "$work/languages" ]; then
  echo "Laying the sample languages into $work (first run; it is kept afterwards)"
  sample/make_sample.sh "$work"
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start Quillory under a virtual display with:"
  echo "  xvfb-run -a $0"
  exit 1
fi
cd "$work"
exec "$root/build/quillory/quillory" "$@"
