#!/usr/bin/env bash
# Runs a validator that prints nothing when it finds nothing: any output (even a hint) fails.
set -uo pipefail
out=$("$@" 2>&1)
rc=$?
printf '%s\n' "$out"
[ "$rc" -eq 0 ] && [ -z "$out" ]
