#!/bin/bash
# Makes the end-to-end prefix: BUILD/e2e-prefix with Kestrune.exe in C:\kestrune, the benchmarks'
# baseline in C:\bench, the probe as C:\probe.exe, and the probe standing in for the system's
# shutdown tool and for the browser.
# The prefix has no drive that reaches the host's files, so nothing in it can start a host
# program. Its server stays up, with output elsewhere, for the tests that follow.
set -euo pipefail
build=$(cd "$1" && pwd)
export WINEPREFIX=$build/e2e-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tests/wine/session.sh"

PreparePrefix
drive=$WINEPREFIX/drive_c
mkdir -p "$drive/kestrune" "$drive/bench" "$drive/Program Files/Internet Explorer"
cp "$build/Kestrune.exe" "$drive/kestrune/Kestrune.exe"
cp "$build/tests/baseline.exe" "$drive/bench/baseline.exe"
cp "$build/tests/probe.exe" "$drive/probe.exe"
for stand_in in windows/system32/shutdown.exe windows/syswow64/shutdown.exe \
  "Program Files/Internet Explorer/iexplore.exe"; do
  cp "$build/tests/probe.exe" "$drive/$stand_in"
done
rm -f "$WINEPREFIX/dosdevices/z:"
wineserver -p >/dev/null 2>&1 </dev/null
wine wineboot >/dev/null 2>&1 </dev/null
