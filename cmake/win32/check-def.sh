#!/usr/bin/env bash
# Checks, on this machine's build, that cmake/win32/python27.def lists every
# interpreter function and datum the module uses, so a change that starts
# using a new one is caught by `make test` and not only by the Windows build.
# Usage: check-def.sh <QuonPython.so> <python27.def>
set -euo pipefail
module=${1:?usage: check-def.sh <QuonPython.so> <python27.def>}
def=${2:?usage: check-def.sh <QuonPython.so> <python27.def>}
used=$(nm -D --undefined-only "$module" | awk '{print $2}' | grep -E '^_?Py' |
       sed 's/^Py_InitModule4_64$/Py_InitModule4/' | sort -u)
listed=$(grep -vE '^[[:space:]]*(;|EXPORTS|LIBRARY|$)' "$def" | awk '{print $1}' | sort -u)
missing=$(comm -23 <(echo "$used") <(echo "$listed"))
if [ -n "$missing" ]; then
  echo "python27.def lacks interpreter symbols the module uses (run make win32-def):"
  echo "$missing" | sed 's/^/  /'
  exit 1
fi
echo "python27.def lists all $(echo "$used" | wc -l) interpreter symbols the module uses"
