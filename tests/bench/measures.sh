# Sourced by the benchmarks: the figures they take of a running process and of a set of runs.

NowMs() { date +%s%3N; }
Median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
# A / B to two places; "-" where B is 0.
Ratio() { awk "BEGIN {if ($2 == 0) print \"-\"; else printf \"%.2f\", $1 / $2}"; }

# CPU time (ms) and voluntary context switches (each a wake-up) of a process over 60 s.
Cost60() {
  local pid=$1 ticks cpu0 switches0 cpu1 switches1
  ticks=$(getconf CLK_TCK)
  cpu0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  switches0=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status")
  sleep 60
  cpu1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
  switches1=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status")
  echo "$(((cpu1 - cpu0) * 1000 / ticks)) ms CPU, $((switches1 - switches0)) wake-ups"
}
# The wake-ups of a Cost60 result.
WakeUps() { sed 's/.*CPU, \([0-9]*\) wake-ups/\1/' <<<"$1"; }
# Cost60 results, one a line, in: one result of the median CPU time and median wake-ups out.
MedianCost() {
  local costs cpu
  costs=$(cat)
  cpu=$(sed 's/ ms CPU.*//' <<<"$costs" | Median)
  echo "$cpu ms CPU, $(WakeUps "$costs" | Median) wake-ups"
}
