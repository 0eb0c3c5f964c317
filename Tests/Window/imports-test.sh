#!/usr/bin/env bash
# The DLLs the Windows program imports, read from its import table: each must be one that Windows
# 10 and 11 ship (Direct3D 9, DirectInput 8, the system's own, the C runtime), so that the program
# starts on a stock PC with nothing installed. Skipped, exit 77, when the program is not built
# (the Wine test builds it).
# Usage: imports-test.sh EXE
set -u
exe=$1
[ -f "$exe" ] || { echo "SKIP: $exe is not built"; exit 77; }
allowed=" d3d9.dll dinput8.dll user32.dll gdi32.dll kernel32.dll msvcrt.dll advapi32.dll shell32.dll ole32.dll "
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
[ -n "$dlls" ] || { echo "FAIL: no import table read from $exe"; exit 1; }
status=0
for dll in $dlls; do
  case "$allowed" in
    *" $dll "*) echo "imports $dll" ;;
    # The UCRT's API sets (api-ms-win-crt-*) come with Windows 10 and 11.
    api-ms-win-crt-*) echo "imports $dll" ;;
    *) echo "FAIL: imports $dll, which a stock Windows does not ship"; status=1 ;;
  esac
done
exit $status
