#!/bin/bash
# e2e.sh BUILD CASE: one end-to-end case against the real Kestrune.exe (see desktop.sh).
set -euo pipefail
build=$(cd "$1" && pwd)
source "$(dirname "$0")/desktop.sh"

# A delay of 3 s starts the shutdown tool once, hidden, with "-s -t 1", about 3 s after the
# click; the button still reads "停止程序" and Esc then closes the window with exit code 0.
ShutdownOnce() {
  Open
  ClickSeconds
  Type 3
  local start
  start=$(NowMs)
  ClickStartStop
  sleep 1
  Shot armed
  for _ in $(seq 150); do [[ -s $drive/probe.log ]] && break; sleep 0.1; done
  sleep 3
  Shot fired
  [[ $(Launches) == 1 ]] || Fail "expected one launch, saw $(Launches)"
  local line
  line=$(cat "$drive/probe.log")
  [[ $line == *'cmd="C:\windows\system32\shutdown.exe" -s -t 1'* ]] || Fail "command: $line"
  [[ $line == *' flags=1 show=0 '* ]] || Fail "not started hidden: $line"
  [[ $(Fields) == :0 ]] || Fail "the boxes read $(Fields) when the shutdown started"
  local late=$((${line%% *} - start))
  ((late >= 2500 && late <= 10000)) || Fail "started ${late} ms after the click"
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

# A stop one second into a 4 s delay launches nothing; the close button ends with 0.
StopBeforeTheDelay() {
  Open
  ClickSeconds
  Type 4
  ClickStartStop
  sleep 1
  ClickStartStop
  sleep 6
  [[ $(Launches) == 0 ]] || Fail "a stopped delay launched $(Launches) times"
  ClickCloseButton
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

# Closing the window while a delay is armed ends with 0, and no shutdown follows.
CloseWhileArmed() {
  Open
  ClickMinutes
  Type 0
  ClickSeconds
  Type 3
  ClickStartStop
  sleep 1
  Shot closing
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
  sleep 5
  [[ $(Launches) == 0 ]] || Fail "closed while armed, yet launched $(Launches) times"
}

# '007' typed into the minutes box turns into 7 as the click takes the focus, so that one
# second later the boxes read 6 and 59; then the countdown goes on, once a second.
CountdownFromNormalizedMinutes() {
  Open
  ClickMinutes
  Type 007
  ClickStartStop
  sleep 1.5
  local fields
  fields=$(Fields)
  [[ $fields == 6:59 || $fields == 6:58 ]] || Fail "after a second the boxes read $fields"
  sleep 3
  fields=$(Fields)
  [[ $fields =~ ^6:5[3-6]$ ]] || Fail "after four seconds the boxes read $fields"
  Shot counting
  ClickStartStop
  sleep 1.5
  local stopped
  stopped=$(Fields)
  sleep 2
  [[ $(Fields) == "$stopped" ]] || Fail "the countdown went on after the stop"
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

# The picture button shows the navy picture while the pointer rests on it; a click starts the
# browser stand-in once, normally, with the quoted path and the address, and the countdown
# armed before goes on.
WebLink() {
  Open
  ClickSeconds
  Type 30
  ClickStartStop
  sleep 1
  local wedge=(308 147)  # on the mark's wedge, 10 pixels into the button
  Near "$(ColourAt "${wedge[@]}")" 48 144 208 || Fail "at rest the mark is $(ColourAt "${wedge[@]}")"
  xdotool mousemove $((clientX + 323)) $((clientY + 162))
  sleep 1
  Shot hover
  Near "$(ColourAt "${wedge[@]}")" 0 0 100 || Fail "under the pointer the mark is $(ColourAt "${wedge[@]}")"
  local before
  before=$(Fields)
  xdotool click 1
  for _ in $(seq 100); do [[ -s $drive/probe.log ]] && break; sleep 0.1; done
  sleep 2
  [[ $(Launches) == 1 ]] || Fail "expected one browser, saw $(Launches)"
  local line
  line=$(cat "$drive/probe.log")
  local expected='cmd="C:\Program Files\Internet Explorer\iexplore.exe" http://www.kestrune.net/'
  [[ $line == *"$expected" ]] || Fail "command: $line"
  [[ $line == *' flags=1 show=1 '* ]] || Fail "not started normally: $line"
  [[ $(Fields) != "$before" ]] || Fail "the countdown stopped at $before"
  xdotool mousemove $((clientX + 10)) $((clientY + 10))
  sleep 1
  Near "$(ColourAt "${wedge[@]}")" 48 144 208 || Fail "after leaving the mark is $(ColourAt "${wedge[@]}")"
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

# Without the shutdown tool the delay ends quietly: no message, the window stays open with
# "停止程序"; without the browser a click on the picture does nothing visible.
MissingPrograms() {
  RemoveStandIns
  Open
  ClickSeconds
  Type 2
  ClickStartStop
  sleep 4
  [[ $(Fields) == :0 ]] || Fail "the boxes read $(Fields)"
  [[ $(Caption) == 停止程序 ]] || Fail "the caption reads $(Caption)"
  [[ $(VisibleWindows) == 1 ]] || Fail "$(VisibleWindows) windows show"
  ClickAt 298 137 50 50
  sleep 2
  [[ $(VisibleWindows) == 1 ]] || Fail "after the picture click $(VisibleWindows) windows show"
  Shot missing
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

# Closing the window while the launcher waits for a browser that never gets ready: the close
# waits for the launch (at most a second) and the program then ends with 0.
CloseDuringLaunch() {
  export PROBE_HANG=1
  Open
  ClickAt 298 137 50 50
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
  [[ $(Launches) == 1 ]] || Fail "expected the one launch, saw $(Launches)"
}

# Hostile input: 10 000 characters of mixed text pasted into each box, a number far beyond
# 32 bits among them, then 200 clicks on the start/stop button as fast as X delivers them. The
# window keeps answering, the boxes hold their normal forms, an even count of clicks leaves the
# schedule stopped, and nothing is launched.
HostileInput() {
  Open
  local junk
  junk="99999999999999999999$(printf '分ab -+１２\t*%.0s' $(seq 1100))"
  printf '%s' "${junk:0:10000}" | xclip -quiet -selection clipboard >/dev/null 2>&1 &
  local clipboard=$!
  sleep 0.5
  ClickMinutes
  xdotool key ctrl+v
  ClickSeconds
  xdotool key ctrl+v
  sleep 1
  kill "$clipboard" 2>/dev/null || true
  [[ $(Fields) == 2147483647:99 ]] || Fail "after the pastes the boxes read $(Fields)"
  ClickAt 105 142 120 40  # leave the pointer on the button
  xdotool click --repeat 199 --delay 5 1
  sleep 2
  [[ $(Caption) == 启动程序 ]] || Fail "after 200 clicks the caption reads $(Caption)"
  [[ $(Fields) == 2147483647:99 ]] || Fail "after 200 clicks the boxes read $(Fields)"
  [[ $(VisibleWindows) == 1 ]] || Fail "$(VisibleWindows) windows show"
  sleep 3
  [[ $(Launches) == 0 ]] || Fail "a stopped schedule launched $(Launches) times"
  xdotool key Escape
  [[ $(ExitCode) == 0 ]] || Fail "exit code $(ExitCode)"
}

case=$2
case $case in
  shutdown_once) ShutdownOnce ;;
  stop_before_delay) StopBeforeTheDelay ;;
  close_while_armed) CloseWhileArmed ;;
  countdown) CountdownFromNormalizedMinutes ;;
  web_link) WebLink ;;
  missing_programs) MissingPrograms ;;
  close_during_launch) CloseDuringLaunch ;;
  hostile_input) HostileInput ;;
  *) Fail "no case $2" ;;
esac
echo "PASS: $2"
