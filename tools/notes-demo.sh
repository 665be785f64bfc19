#!/usr/bin/env bash
# Runs the real bar under a private Xvfb display with the notes module shown, adds a note from the
# bar, types in it, sets a one-time reminder one minute ahead, waits for it to fire, opens the
# notes list and restarts the bar; checks the notes file at each step and writes three pictures:
# tools/notes-demo.sh <folder for the pictures>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "$1" && pwd)"
EXTRA_PACKAGES="imagemagick xdotool" . "$root/tools/private-display.sh"

# A private AppDir beside the private data folder.
app="$work/app"
mkdir -p "$app"
cp -r "$build/src/app/tolvane" "$build/src/app/images" "$build/src/app/skins" \
    "$build/src/app/sounds" "$app/"
printf '[Options]\nSplashScreen=0\nDisplayPenseBete=1\nDisplayMeteo=0\nDisplayPhoto=0\nSortModules=Horloge;Pense-B\xc3\xaate;\n' \
    > "$XDG_CONFIG_HOME/tolvane/tolvane.ini"
index="$XDG_DATA_HOME/tolvane/tolvane_pensebete.dat"

start_bar() {
    "$app/tolvane" >"$work/bar.log" 2>&1 &
    bar=$!
    sleep 4
}
bar_height() {
    xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1 \
        | sed -E 's/^[0-9]+x([0-9]+).*/\1/'
}
shot() { # shot <file> <width>x<height>+<x>+<y>
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$2" +repage "$1"
    echo "wrote $1"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.7; }

start_bar
height=$(bar_height)
# The notes module is the last one: 46 pixels above the 2-pixel gap and the 12-pixel strip.
module_top=$((height - 1 - 12 - 2 - 46))
bar_left=$((1280 - 146))
click $((bar_left + 106)) $((module_top + 32)) # pictAddNewPB
# A new note is centred: 200 x 120 pixels around the middle of the 1280 x 1024 screen.
note_x=540 note_y=452
note_window=$(xwininfo -root -tree | awk '/"Pense-B[^"]*": \("tolvane"/ && !/560x390/ { print $1 }' | head -n 1)
echo "note window $note_window:"
xprop -id "$note_window" _NET_WM_WINDOW_TYPE _NET_WM_STATE | sed 's/^/  /'
click $((note_x + 60)) $((note_y + 30))
xdotool type --delay 60 "Appeler Irène pour le dîner"
xdotool key Return
xdotool type --delay 60 "Рецепт: борщ"
sleep 0.5
# The panel sits below two lines of text: (2 + 1) x 12 pixels from y 20, then 5 pixels.
panel=$((note_y + 20 + 36 + 5))
click $((note_x + 90)) $((panel + 40)) # cmbType opens
xdotool key Down Return
sleep 0.5
click $((note_x + 140)) $((panel + 76)) # minutes of DTTime
xdotool key Up
sleep 0.5
shot "$out/notes-note.png" "220x$((panel - note_y + 150))+$((note_x - 10))+$((note_y - 10))"
click $((note_x + 165)) $((panel + 120)) # cmdOK
echo "after OK: $(cat "$index")"
grep -q '^1;1;' "$index"

echo "waiting for the reminder (due $(cut -d';' -f4 "$index"))..."
for _ in $(seq 130); do
    grep -q '^2;' "$index" && break
    sleep 1
done
echo "after the reminder: $(cat "$index")"
grep -q '^2;1;' "$index"
shot "$out/notes-alarm.png" "220x80+$((note_x - 10))+$((note_y - 10))"

click $((bar_left + 130)) $((module_top + 32)) # pictGestionPB
list=$(xwininfo -root -tree | awk '/"Pense-B/ && /560x390/ { print $NF }' | head -n 1)
echo "list window at $list"
shot "$out/notes-list.png" "580x410+$(echo "$list" | cut -d+ -f2 | awk '{print $1-10}')+$(echo "$list" | cut -d+ -f3 | awk '{print $1-10}')"

kill "$bar"
wait "$bar" 2>/dev/null || true
start_bar
echo "after the restart: $(cat "$index")"
xwininfo -root -tree | grep -c '"Pense-B[^"]*": ("tolvane"' | sed 's/^/note windows: /'
shot "$work/restart.png" "220x80+$((note_x - 10))+$((note_y - 10))"
cp "$work/restart.png" "$out/notes-restart.png"
echo "note text file (first line Windows-1252, second UTF-8):"
od -c "$XDG_DATA_HOME"/tolvane/pensebete/*.fic | sed 's/^/  /'
