#!/usr/bin/env bash
# Runs the real bar under a private Xvfb display and checks that a note is kept without its "OK":
# typed then clicked away from, typed then left alone for two seconds, typed then the bar closed
# by its own button, typed then the bar ended by SIGTERM (which must end it with status 0).
# Prints the notes' files at each step and fails at the first step that loses text.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
EXTRA_PACKAGES="xdotool" . "$root/tools/private-display.sh"

printf '[Options]\nSplashScreen=0\nDisplayPenseBete=1\nDisplayMeteo=0\nDisplayPhoto=0\nSortModules=Horloge;Pense-B\xc3\xaate;\n' \
    >"$XDG_CONFIG_HOME/tolvane/tolvane.ini"
data="$XDG_DATA_HOME/tolvane"
bar_left=$((1280 - 146))

start_bar() {
    "$build/src/app/tolvane" >"$work/bar.log" 2>&1 &
    bar=$!
    sleep 4
}
bar_height() {
    xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1 \
        | sed -E 's/^[0-9]+x([0-9]+).*/\1/'
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.7; }
note_text() { cat "$data"/pensebete/*.fic 2>/dev/null | iconv -f WINDOWS-1252 -t UTF-8 | tr -d '\r'; }
expect() { # expect <step> <text the note file must hold>
    echo "$1: index: $(tr -d '\r' <"$data/tolvane_pensebete.dat" 2>/dev/null || echo none)"
    echo "$1: text: $(note_text | tr '\n' '|')"
    [ "$(note_text)" = "$2" ] || { echo "FAILED: $1 lost the text" >&2; exit 1; }
}

start_bar
module_top=$(($(bar_height) - 1 - 12 - 2 - 46)) # the notes module is the last one
click $((bar_left + 106)) $((module_top + 32))   # pictAddNewPB: a note centred on the screen
note_x=540 note_y=452
click $((note_x + 60)) $((note_y + 30))
xdotool type --delay 40 "Appeler Irène"
click $((bar_left + 70)) 60 # the clock: the note loses the focus
expect "clicked away" "Appeler Irène"

click $((note_x + 150)) $((note_y + 26))
xdotool key End
xdotool type --delay 40 " demain"
sleep 2
expect "typing paused" "Appeler Irène demain"

click $((note_x + 150)) $((note_y + 26))
xdotool key End Return
xdotool type --delay 40 "avant midi"
click $((bar_left + 133)) 11 # pictCloseWindow, the focus still in the note
wait "$bar" || true
expect "bar closed" "Appeler Irène demain
avant midi"

start_bar
click $((note_x + 150)) $((note_y + 40))
xdotool key ctrl+End Return
xdotool type --delay 40 "ou 14 h"
kill -TERM "$bar"
status=0
wait "$bar" || status=$?
echo "status after SIGTERM: $status"
[ "$status" -eq 0 ] || { echo "FAILED: SIGTERM ended the bar with $status" >&2; exit 1; }
expect "SIGTERM" "Appeler Irène demain
avant midi
ou 14 h"
echo "every step kept the note"
