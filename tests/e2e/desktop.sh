# Sourced by the end-to-end tests and the benchmarks, with build set to the Windows build:
# drives programs in a Wine virtual desktop on the X screen of DISPLAY with real X input, in
# the prefix that prepare.sh made. The probe stands in for the shutdown tool and the browser
# and logs each start to C:\probe.log; as launcher it reports on the program it started.
export WINEPREFIX=$build/e2e-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
drive=$WINEPREFIX/drive_c
artifacts=$build/e2e-artifacts
mkdir -p "$artifacts"

Fail() {
  echo "FAIL: $*" >&2
  Shot "failed-${case:-bench}"
  exit 1
}
NowMs() { date +%s%3N; }

# The processes of this prefix whose command line matches the pattern, newest last; another
# prefix's, a second test run's say, are left alone.
PrefixPids() {
  local pid
  for pid in $(pgrep -f "$1"); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
      echo "$pid"
  done
  return 0
}

# What a case started ends with it: the program and the launcher, should they still run, and
# then their desktop, which closes by itself once they are gone (or is made to). The prefix's
# server and services, started by prepare.sh, stay.
EndCase() {
  RestoreStandIns
  kill $(PrefixPids 'kestrune.Kestrune.exe') $(PrefixPids 'bench.baseline.exe') 2>/dev/null || true
  kill $(PrefixPids 'probe.exe --launch') 2>/dev/null || true
  for _ in $(seq 100); do
    [[ -z $(PrefixPids 'explorer.exe /desktop=kestrune') ]] && return 0
    sleep 0.1
  done
  kill $(PrefixPids 'explorer.exe /desktop=kestrune') 2>/dev/null || true
}
trap EndCase EXIT

# Takes the stand-ins for the shutdown tool and the browser away, as on a machine without them.
stand_ins=("$drive/windows/system32/shutdown.exe" "$drive/windows/syswow64/shutdown.exe"
  "$drive/Program Files/Internet Explorer/iexplore.exe")
RemoveStandIns() { for file in "${stand_ins[@]}"; do mv "$file" "$file.away"; done; }
RestoreStandIns() {
  for file in "${stand_ins[@]}"; do [[ ! -e $file.away ]] || mv "$file.away" "$file"; done
}

# Open [PROGRAM [ARGUMENT...]]: the program is Kestrune unless another is named. Each start has a desktop of
# its own name, so that none inherits what a killed one left behind; and as Wine under emulation
# now and then loses a desktop that is being set up, a second start is given before the window
# counts as not opening.
desktops=0
Open() {
  local program=${1:-'C:\kestrune\Kestrune.exe'}
  local arguments=("${@:2}")
  for _ in 1 2; do
    EndCase
    rm -f "$drive/probe.log" "$drive/exit.txt" "$drive/exit.txt.pos"
    desktops=$((desktops + 1))
    wine explorer "/desktop=kestrune$$-$desktops,1024x768" 'C:\probe.exe' --launch "$program" \
      'C:\exit.txt' "${arguments[@]}" >/dev/null 2>&1 </dev/null &
    for _ in $(seq 450); do [[ -s $drive/exit.txt.pos ]] && break; sleep 0.1; done
    [[ -s $drive/exit.txt.pos ]] && break
  done
  [[ -s $drive/exit.txt.pos ]] || Fail "the window did not open"
  read -r clientX clientY frameLeft frameTop frameRight frameBottom shownAfterMs \
    <"$drive/exit.txt.pos"
  sleep 1
}

# Clicks the middle of a rectangle given in the window's client coordinates.
ClickAt() { xdotool mousemove $((clientX + $1 + $3 / 2)) $((clientY + $2 + $4 / 2)) click 1; }
ClickMinutes() { ClickAt 10 41 124 56; }
ClickSeconds() { ClickAt 203 41 80 56; }
ClickStartStop() { ClickAt 105 142 120 40; }
ClickCloseButton() { xdotool mousemove $((frameRight - 12)) $(((frameTop + clientY) / 2)) click 1; }
Type() { xdotool type --delay 80 "$1"; }

ExitCode() {
  for _ in $(seq 300); do [[ -s $drive/exit.txt ]] && break; sleep 0.1; done
  [[ -s $drive/exit.txt ]] || Fail "the program did not end"
  tr -d '\r\n' <"$drive/exit.txt"
}
# Asks the launcher how the window looks: line 1 the boxes as "minutes:seconds", line 2 the
# start/stop button's caption, line 3 how many visible windows the program has.
Ask() {
  rm -f "$drive/exit.txt.fields"
  touch "$drive/exit.txt.ask"
  for _ in $(seq 50); do [[ -e $drive/exit.txt.ask ]] || break; sleep 0.1; done
  sed -n "$1p" "$drive/exit.txt.fields" | tr -d '\r\n'
}
Fields() { Ask 1; }
Caption() { Ask 2; }
VisibleWindows() { Ask 3; }
# The colour on the screen at a point of the window's client area, as "r,g,b".
ColourAt() {
  import -window root -crop "1x1+$((clientX + $1))+$((clientY + $2))" -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}
# True when "r,g,b" is within 48 of the colour given on each channel.
Near() {
  local r g b
  IFS=, read -r r g b <<<"$1"
  (((r - $2) ** 2 < 2304 && (g - $3) ** 2 < 2304 && (b - $4) ** 2 < 2304))
}
Launches() { if [[ -f $drive/probe.log ]]; then wc -l <"$drive/probe.log"; else echo 0; fi; }
Shot() { import -window root "$artifacts/$1.png"; }

