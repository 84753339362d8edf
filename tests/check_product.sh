#!/usr/bin/env bash
# Checks the shipped executable: a 32-bit GUI program that runs on any 32-bit Windows with
# nothing but Windows' own DLLs, large-address-aware, calling the ANSI forms of the interfaces.
set -euo pipefail
exe=$1
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }
headers=$(i686-w64-mingw32-objdump -p "$exe")
dlls=$(grep -i 'DLL Name' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
functions=$(awk '/DLL Name/{dll=tolower($3)} /^\t[ 0-9a-f]+ +[0-9]+ +[A-Za-z_]/{print dll, $NF}' <<<"$headers")

check "PE32 GUI for Intel 80386" "file -b '$exe' | grep -q '^PE32 executable (GUI) Intel 80386'"
check "large-address-aware" "grep -q 'large address aware' <<<\"\$headers\""
check "only Windows' own DLLs (got: $(echo $dlls))" \
  "! grep -qvE '^(kernel32|user32|gdi32|ole32|shell32|msvcrt|advapi32)\.dll$' <<<\"\$dlls\""
# The runtime's start-up code may use a few wide kernel32 calls of its own; the program's
# interfaces of user32, gdi32 and shell32 are all ANSI.
check "no wide user32, gdi32 or shell32 function" \
  "! grep -E '^(user32|gdi32|shell32)\.dll [A-Za-z]+W$' <<<\"\$functions\""
check "no wide form of a kernel32 call the program makes" \
  "! grep -E '^kernel32\.dll (CreateFile|GetModuleFileName|SetCurrentDirectory)W$' <<<\"\$functions\""
[ $failures -eq 0 ] && echo "1 passed, 0 failed" || { echo "0 passed, 1 failed"; exit 1; }
