#!/usr/bin/env bash
# Runs the geometry report of this machine's build and of the 32-bit Windows
# build (under wine, when installed) and compares them line by line: every
# single-precision result must have the same bits.
# Usage: cmake/win32/compare-geometry.sh <native geometry_report> <geometry_report.exe>
set -euo pipefail
native=${1:?usage: compare-geometry.sh <native report> <windows report .exe>}
windows=${2:?usage: compare-geometry.sh <native report> <windows report .exe>}
if ! command -v wine >/dev/null 2>&1; then
  echo "compare-geometry: wine is not installed; $windows was built but not run"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" > "$work/native.txt"
WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$work/prefix} wine "$windows" | tr -d '\r' > "$work/windows.txt"
lines=$(wc -l < "$work/native.txt")
if cmp -s "$work/native.txt" "$work/windows.txt"; then
  echo "compare-geometry: $lines results, identical bits on both builds"
  exit 0
fi
echo "compare-geometry: results differ (native < > windows):"
diff "$work/native.txt" "$work/windows.txt" | grep '^[<>]' | awk '{print $1, $2}' | sort | uniq -c | sort -rn | head -20
diff "$work/native.txt" "$work/windows.txt" | head -12
exit 1
