#!/bin/bash
# linux.sh BUILD: measures the native program beside baseline_qt (an empty Qt Widgets window),
# both from the release build BUILD, side by side on the end-to-end tests' Linux desktop, and
# prints one table: start-up to a visible window, CPU and wake-ups over 60 s idle and counting
# down, and resident memory. Called by scripts/bench.
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
folder=$build/bench-desktop
"$root/tests/e2e_qt/start.sh" "$folder"
source "$folder/env"
trap '"$root/tests/e2e_qt/stop.sh" "$folder"; kill $(jobs -p) 2>/dev/null || true' EXIT
export ASAN_OPTIONS=detect_leaks=0

source "$root/tests/bench/measures.sh"

# Starts the program; sets pid, and elapsed to the ms that passed until its window was visible.
StartTimed() {
  local start
  start=$(NowMs)
  "$1" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 3000); do  # xdotool's own --sync looks only twice a second
    xdotool search --onlyvisible --pid "$pid" --name "$2" >/dev/null && break
    sleep 0.01
  done
  elapsed=$(($(NowMs) - start))
}
Stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; }

Resident() { awk '/^VmRSS/ {print $2 " kB"}' "/proc/$1/status"; }

echo "Linux start-up, 10 runs each, alternated..." >&2
kestrune_starts=() baseline_starts=()
for _ in $(seq 10); do
  StartTimed "$build/kestrune" '^Kestrune' && kestrune_starts+=("$elapsed") && Stop
  StartTimed "$build/tests/baseline_qt" '^Baseline' && baseline_starts+=("$elapsed") && Stop
done
kestrune_start=$(printf '%s\n' "${kestrune_starts[@]}" | Median)
baseline_start=$(printf '%s\n' "${baseline_starts[@]}" | Median)

echo "Linux idle cost and memory, three times 60 s..." >&2
StartTimed "$build/tests/baseline_qt" '^Baseline'
baseline_idle=$(Cost60 "$pid")
baseline_memory=$(Resident "$pid")
Stop
StartTimed "$build/kestrune" '^Kestrune'
window=$(xdotool search --onlyvisible --pid "$pid" --name '^Kestrune' | head -n 1)
kestrune_idle=$(Cost60 "$pid")
kestrune_memory=$(Resident "$pid")
x=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(xwininfo -id "$window" | sed -n 's/.*Absolute upper-left Y: *//p')
xdotool mousemove $((x + 72)) $((y + 69)) click 1 type 30
xdotool mousemove $((x + 165)) $((y + 162)) click 1
kestrune_counting=$(Cost60 "$pid")
Stop

cat <<TABLE
| measure | kestrune | baseline_qt |
|---|---|---|
| executable size | $(stat -c %s "$build/kestrune") bytes | $(stat -c %s "$build/tests/baseline_qt") bytes |
| start-up to visible window, median of 10 | $kestrune_start ms ($(Ratio "$kestrune_start" "$baseline_start") x baseline) | $baseline_start ms |
| start-up, each run | ${kestrune_starts[*]} | ${baseline_starts[*]} |
| 60 s with nothing armed | $kestrune_idle | $baseline_idle |
| 60 s of a running countdown | $kestrune_counting | |
| resident memory, idle | $kestrune_memory | $baseline_memory |
TABLE
