#!/usr/bin/env bash
# Starts the bar under a private Xvfb display with the settings file given (or an empty one) and
# writes a picture of the screen's right edge: tools/screenshot.sh out.png [tolvane.ini]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
EXTRA_PACKAGES=imagemagick . "$root/tools/private-display.sh"
if [ -n "${2:-}" ]; then cp "$2" "$XDG_CONFIG_HOME/tolvane/tolvane.ini"; fi
grep -q '^SplashScreen=' "$XDG_CONFIG_HOME/tolvane/tolvane.ini" 2>/dev/null \
    || printf '[Options]\nSplashScreen=0\n' >> "$XDG_CONFIG_HOME/tolvane/tolvane.ini"
"$build/src/app/tolvane" >/dev/null 2>&1 &
bar=$!
sleep "${SETTLE_SECONDS:-5}"
geometry=$(xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1)
height=$(echo "$geometry" | sed -E 's/^[0-9]+x([0-9]+).*/\1/')
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "166x$((height + 20))+1114+0" +repage "$out"
echo "wrote $out"
