#!/usr/bin/env bash
# The hook library's export and import tables, its unwind data on x64, and its size.
#   check_binaries.sh OBJDUMP LUMEHOOK_DLL
set -euo pipefail
objdump=$1 dll=$2
table=$("$objdump" -p "$dll")
fail() { echo "FAIL: $*" >&2; echo "$table" | sed -n '/Export Address/,/^$/p;/DLL Name/p' >&2; exit 1; }

exports=$(echo "$table" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' | awk '{print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "CALLWNDPROCRETHookProc CreateDLLInst DestroyDLLInst " ] || fail "exports are: $exports"
# Ordinal base 1: [0] is ordinal 1, [1] ordinal 2, [2] ordinal 3.
ordinals=$(echo "$table" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -E '^\s+\[' |
           sed -E 's/^\s+\[\s*([0-9]+)\]\s+(\S+)$/\2=\1/' | sort | tr '\n' ' ')
[ "$ordinals" = "CALLWNDPROCRETHookProc=0 CreateDLLInst=2 DestroyDLLInst=1 " ] || fail "ordinals: $ordinals"
grep -q 'Ordinal Base.*1' <<< "$table" || fail "ordinal base is not 1"

imports=$(echo "$table" | grep 'DLL Name:' | awk '{print $3}' | sort | tr '\n' ' ')
[ "$imports" = "GDI32.dll KERNEL32.dll USER32.dll " ] || fail "imports are: $imports"

# x64 unwinds through the exception directory (.pdata); x86 has none.
if grep -q 'pei-x86-64' <<< "$table"; then
  pdata_size=$(awk '/Exception Directory/ {print $4}' <<< "$table")
  [ -n "$pdata_size" ] && [ "$((16#$pdata_size))" -gt 0 ] || fail "no exception directory: no unwind data"
fi

size=$(stat -c %s "$dll")
[ "$size" -le 65536 ] || fail "lumehook.dll is $size bytes, over 64 KiB"
echo "lumehook.dll: exports and ordinals as required, imports $imports, $size bytes"
