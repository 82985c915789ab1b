#!/bin/bash
# e2e.sh KESTRUNE FOLDER CASE: drives the real native program with X input on the desktop that
# start.sh FOLDER started, and checks what reached the logind stand-in and a stand-in xdg-open,
# first on PATH.
set -euo pipefail
program=$1 folder=$2 case=$3
source "$folder/env"
log=$folder/logind.log
opened=$folder/opened.log
export ASAN_OPTIONS=detect_leaks=0  # leaks are the unit tests' concern; Qt keeps some to exit

Fail() {
  echo "FAIL: $*" >&2
  import -window root "$folder/failed-$case.png" 2>/dev/null || true
  exit 1
}
PowerOffs() { grep -c 'PowerOff True' "$log" 2>/dev/null || true; }

# The stand-in browser opener records each address it is given.
mkdir -p "$folder/bin"
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$opened" >"$folder/bin/xdg-open"
chmod +x "$folder/bin/xdg-open"
rm -f "$opened"

# Starts the program and finds its window's client area on the screen.
Open() {
  PATH=$folder/bin:$PATH "$program" 2>"$folder/$case.stderr" &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" --name '^Kestrune' |
    head -n 1) || Fail "the window did not open"
  sleep 0.5
  clientX=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
  clientY=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
}
ClickAt() { xdotool mousemove $((clientX + $1 + $3 / 2)) $((clientY + $2 + $4 / 2)) click 1; }
ClickSeconds() { ClickAt 203 41 80 56; }
ClickStartStop() { ClickAt 105 142 120 40; }
ClickPicture() { ClickAt 298 137 50 50; }
Arm() {
  ClickSeconds
  xdotool type --delay 80 "$1"
  started=$(date +%s%3N)
  ClickStartStop
}
EndsWith() {
  local code=0
  wait "$pid" || code=$?
  [[ $code == "$1" ]] || Fail "exit code $code, not $1"
}

before=$(PowerOffs)
case $case in
  power_off_once)
    Open
    Arm 3
    for _ in $(seq 100); do (($(PowerOffs) > before)) && break; sleep 0.1; done
    late=$(($(date +%s%3N) - started))
    (($(PowerOffs) == before + 1)) || Fail "no PowerOff(true) within 10 s"
    ((late >= 2500 && late < 8000)) || Fail "PowerOff after $late ms, not about 3 000"
    sleep 3
    (($(PowerOffs) == before + 1)) || Fail "PowerOff was asked for more than once"
    kill "$pid"
    ;;
  stop_before_delay)
    Open
    Arm 3
    sleep 1
    ClickStartStop
    sleep 4
    (($(PowerOffs) == before)) || Fail "PowerOff after a stop"
    kill "$pid"
    ;;
  close_while_armed)
    Open
    Arm 3
    sleep 1
    xdotool key Escape
    EndsWith 0
    sleep 3
    (($(PowerOffs) == before)) || Fail "PowerOff after the window was closed"
    ;;
  web_link)
    Open
    ClickPicture
    sleep 1
    ClickPicture
    for _ in $(seq 50); do [[ $(wc -l <"$opened" 2>/dev/null || echo 0) -ge 2 ]] && break; sleep 0.1; done
    [[ $(cat "$opened") == $'http://www.kestrune.net/\nhttp://www.kestrune.net/' ]] ||
      Fail "the browser got: $(cat "$opened" 2>/dev/null)"
    kill "$pid"
    ;;
  *) Fail "no such case" ;;
esac
echo "passed: $case"
