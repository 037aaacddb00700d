#!/usr/bin/env bash
# The installed program answers --version and --help without a display and without starting up,
# and the version it prints is the package's.
#
#   installed_version.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
fail=0
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>&1)
rc=$?
echo "$program --version: $out (exit $rc)"
[ "$rc" -eq 0 ] && [ "$out" = "quillory $version" ] || { echo "FAIL: expected 'quillory $version', exit 0"; fail=1; }
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help 2>&1)
rc=$?
[ "$rc" -eq 0 ] && grep -q -- "--data FOLDER" <<<"$out" || { echo "FAIL: --help: $out (exit $rc)"; fail=1; }
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --data 2>&1)
rc=$?
[ "$rc" -eq 2 ] || { echo "FAIL: --data without a folder: $out (exit $rc)"; fail=1; }
exit $fail
