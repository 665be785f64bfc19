#!/usr/bin/env bash
# Measures the bar as a user runs it, under a private Xvfb display:
#   - time from exec to the bar's window being viewable,
#   - resident memory (RSS and PSS) of the idle bar after 60 s,
#   - CPU time the idle bar used over those 60 s (utime + stime from /proc/PID/stat).
# Usage: tools/measure-bar.sh [seconds]   (builds the program first; default 60 s)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
. "$root/tools/private-display.sh"
printf '[Options]\nSplashScreen=0\n' > "$XDG_CONFIG_HOME/tolvane/tolvane.ini"
ticks=$(getconf CLK_TCK)

start=$(date +%s%N)
"$build/src/app/tolvane" >/dev/null 2>&1 &
bar=$!
viewable() {
    local id
    for id in $(xwininfo -root -tree 2>/dev/null | awk '/"Tolvane": \("tolvane"/ { print $1 }'); do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && return 0
    done
    return 1
}
until viewable; do
    kill -0 "$bar" 2>/dev/null || { echo "the bar ended before showing its window" >&2; exit 1; }
    sleep 0.002
done
shown=$(date +%s%N)

cpu() { awk '{ print $14 + $15 }' "/proc/$bar/stat"; }
cpu_before=$(cpu)
sleep "$seconds"
cpu_after=$(cpu)
rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$bar/status")
pss=$(awk '/^Pss:/ { print $2 }' "/proc/$bar/smaps_rollup")

echo "start to window shown: $(( (shown - start) / 1000000 )) ms"
echo "resident memory after ${seconds} s: RSS $((rss / 1024)).$(( (rss % 1024) * 10 / 1024 )) MB, PSS $((pss / 1024)).$(( (pss % 1024) * 10 / 1024 )) MB"
echo "CPU time over ${seconds} s idle: $(( (cpu_after - cpu_before) * 1000 / ticks )) ms"
