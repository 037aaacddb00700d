#!/usr/bin/env bash
# A first start from an empty folder, as from a desktop menu: the program makes its data folder
# under $XDG_DATA_HOME with the installed sample languages and recordings, and leaves the folder it
# was started in untouched. Start-up then waits for the student's name in a dialog, so the program
# is stopped once the data folder is complete (its languages folder takes its name last).
#
#   first_start.sh PROGRAM INSTALLED_SAMPLE
set -uo pipefail
program=$1 sample=$2
tmp=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/start" "$tmp/home" "$tmp/xdg"
cd "$tmp/start"
# XDG_DATA_DIRS leads nowhere, so only the copy installed beside the program can be used.
env HOME="$tmp/home" XDG_DATA_HOME="$tmp/xdg" XDG_DATA_DIRS="$tmp/none" \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$program" >"$tmp/out.log" 2>&1 &
pid=$!
data="$tmp/xdg/quillory"
for _ in $(seq 1 300); do
  [ -d "$data/languages" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
fail=0
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
  pid=
else
  echo "FAIL: the program ended during start-up:"
  cat "$tmp/out.log"
  fail=1
fi
echo "Data folder after the first start:"
(cd "$data" 2>/dev/null && find . -maxdepth 3 ! -path './languages/*.mp3' | sort | sed 's/^/  /')
if ! diff -r "$sample/languages" "$data/languages" >/dev/null; then
  echo "FAIL: $data/languages differs from the installed sample"
  fail=1
fi
for clip in silence.mp3 beep.mp3; do
  cmp -s "$sample/$clip" "$data/$clip" || { echo "FAIL: $clip not copied"; fail=1; }
done
if [ -n "$(ls -A "$tmp/start")" ]; then
  echo "FAIL: the start folder was written to: $(ls -A "$tmp/start")"
  fail=1
fi
if [ -n "$(find "$data" -maxdepth 1 -name 'languages.partial*')" ]; then
  echo "FAIL: a partial copy was left behind"
  fail=1
fi
exit $fail
