#!/usr/bin/env bash
# Checks the built exe's headers: a Windows GUI program of the expected
# machine, ASLR and DEP on, importing only DLLs that Windows always takes from
# its system folder (KnownDLLs or the core set), so that no DLL planted next
# to the exe is ever loaded in their place.
#   check-exe.sh EXE i686|x86_64
set -euo pipefail
export LC_ALL=C  # objdump speaks the locale's language otherwise
exe="$1"
arch="$2"
objdump="$arch-w64-mingw32-objdump"
headers="$("$objdump" -p "$exe")"
fail=0
check() {  # description, grep pattern
  if ! grep -Eq "$2" <<<"$headers"; then
    echo "check-exe: FAILED: $1" >&2
    fail=1
  fi
}
if [ "$arch" = i686 ]; then
  check "PE32 for i386" "file format pei-i386"
else
  check "PE32+ for x86-64" "file format pei-x86-64"
fi
check "GUI subsystem" "^Subsystem[[:space:]]+00000002"
chars=$(awk '/^DllCharacteristics/ {print $2}' <<<"$headers")
(( (16#$chars & 0x40) != 0 )) || { echo "check-exe: FAILED: ASLR (dynamic base)" >&2; fail=1; }
(( (16#$chars & 0x100) != 0 )) || { echo "check-exe: FAILED: DEP (NX compatible)" >&2; fail=1; }

allowed=" kernel32.dll user32.dll gdi32.dll shell32.dll advapi32.dll ole32.dll msvcrt.dll "
while read -r dll; do
  lower="${dll,,}"
  if [[ "$allowed" != *" $lower "* ]]; then
    echo "check-exe: FAILED: imports $dll, which Windows may look for next to the exe" >&2
    fail=1
  fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")

size=$(stat -c %s "$exe")
echo "check-exe: $(basename "$exe") ($arch): $size bytes; imports: $(awk '/DLL Name:/ {printf "%s ", $3}' <<<"$headers")"
exit "$fail"
