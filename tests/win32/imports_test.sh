#!/usr/bin/env bash
# The program needs nothing but Windows, and nothing that could be planted beside it: it
# imports only DLLs that Windows always takes from its own folder (its known DLLs, and the
# common controls, which the manifest names; no C++ runtime, libgcc or winpthread beside
# it), and stays under 1 MiB. Its header bears no link time, so that the same source makes
# the same bytes.
#   imports_test.sh PROGRAM.exe
set -euo pipefail

windows_own='^(KERNEL32|USER32|GDI32|ADVAPI32|COMCTL32|ole32|msvcrt)\.dll$'
imports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p')
foreign=$(grep -Eiv "$windows_own" <<<"$imports" || true)
size=$(stat -c %s "$1")
# The COFF header follows the 4-byte PE signature, whose offset is at 0x3c; the time stamp
# is 4 bytes into the header.
pe=$(($(od -An -tu4 -j 60 -N 4 "$1")))
stamp=$(($(od -An -tu4 -j $((pe + 8)) -N 4 "$1")))
echo "imports: $(tr '\n' ' ' <<<"$imports")"
echo "size: $size bytes"
[ -z "$foreign" ] || { echo "FAIL: imports from outside Windows: $foreign"; exit 1; }
[ "$size" -lt $((1024 * 1024)) ] || { echo "FAIL: $size bytes, not under 1 MiB"; exit 1; }
[ "$stamp" -eq 0 ] || { echo "FAIL: the header is stamped with a time ($stamp)"; exit 1; }
