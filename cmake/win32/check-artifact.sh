#!/usr/bin/env bash
# Checks the 32-bit Windows build's output folder with the cross toolchain's
# objdump: QuonPython.pyd is a PE32 DLL for i386 whose only export is
# initQuonPython and which imports only from python27.dll, Quon.dll and
# Windows' own system DLLs; Quon.dll needs only system DLLs.
# Usage: cmake/win32/check-artifact.sh build-win32/dist
set -euo pipefail
dist=${1:?usage: check-artifact.sh <output folder>}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
# Windows' own DLLs the binaries may import: the kernel and the system C
# runtime (msvcrt.dll ships with every Windows). Everything else is linked in.
system_dlls="KERNEL32.dll msvcrt.dll"
failed=0
fail() { echo "check-artifact: FAIL: $*"; failed=1; }

for f in QuonPython.pyd Quon.dll libQuon.dll.a Quon.py; do
  [ -f "$dist/$f" ] || fail "$dist/$f is missing"
done
[ $failed -eq 0 ] || exit 1

# Prints the imported DLL names and the export names of a PE file.
describe() {
  local dump
  dump=$("$objdump" -p "$1")
  echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -u | sed 's/^/import /'
  echo "$dump" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sed 's/^/export /'
}

check_pe32_dll() {
  local file=$1 header
  header=$("$objdump" -f "$file")
  grep -q "file format pei-i386" <<<"$header" || fail "$file is not a PE file for i386"
  grep -q "architecture: i386" <<<"$header" || fail "$file is not built for i386"
  local private ch
  private=$("$objdump" -p "$file")
  grep -Eq "^Magic[[:space:]]+010b[[:space:]]+\(PE32\)" <<<"$private" || fail "$file is not PE32"
  # IMAGE_FILE_DLL (0x2000) in the file header's characteristics.
  ch=$(sed -n 's/^Characteristics[[:space:]]*0x\([0-9a-fA-F]*\).*/\1/p' <<<"$private")
  [ -n "$ch" ] && (( (16#$ch & 0x2000) != 0 )) || fail "$file is not a DLL (characteristics 0x$ch)"
}

allowed_imports() {
  local file=$1; shift
  local dll ok
  while read -r dll; do
    ok=0
    for allowed in "$@"; do [ "${dll,,}" = "${allowed,,}" ] && ok=1; done
    [ $ok -eq 1 ] || fail "$file imports from $dll (allowed: $*)"
  done < <(describe "$file" | sed -n 's/^import //p')
}

pyd=$dist/QuonPython.pyd
check_pe32_dll "$pyd"
exports=$(describe "$pyd" | sed -n 's/^export //p')
[ "$exports" = "initQuonPython" ] || fail "QuonPython.pyd must export exactly initQuonPython, exports: ${exports:-nothing}"
allowed_imports "$pyd" python27.dll Quon.dll $system_dlls
pyd_description=$(describe "$pyd")
grep -q "^import python27.dll$" <<<"$pyd_description" || fail "QuonPython.pyd does not import python27.dll"
grep -q "^import Quon.dll$" <<<"$pyd_description" || fail "QuonPython.pyd does not import Quon.dll"

check_pe32_dll "$dist/Quon.dll"
allowed_imports "$dist/Quon.dll" $system_dlls

echo "QuonPython.pyd: $("$objdump" -f "$pyd" | sed -n 's/.*file format //p'), $("$objdump" -p "$pyd" | sed -n 's/^Magic[[:space:]]*//p')"
describe "$pyd" | sed 's/^/  /'
echo "Quon.dll: imports $(describe "$dist/Quon.dll" | sed -n 's/^import //p' | tr '\n' ' ')exports $(describe "$dist/Quon.dll" | grep -c '^export ') symbols"
if [ $failed -ne 0 ]; then
  echo "check-artifact: FAILED"
  exit 1
fi
echo "check-artifact: ok"
