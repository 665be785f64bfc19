#!/usr/bin/env bash
# Runs the bar under a private Xvfb display and uses the options dialog as a person would: opens
# it from the title strip, switches the mail module on, picks the skin "givre" and the left side,
# puts the clock first, adds a mail account and saves. Writes three pictures into the folder
# given: options-before.png (the bar), options-dialog.png (the dialog on its e-mail page) and
# options-after.png (the bar once saved). tools/options-demo.sh docs
# The clicks are at fixed places of the 628x472 dialog, centred on the 1280x1024 screen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "${1:-.}" && pwd)"
EXTRA_PACKAGES="imagemagick xdotool" . "$root/tools/private-display.sh"
printf '[Options]\nSplashScreen=0\nSkin=default\nPosition=0\n' >"$XDG_CONFIG_HOME/tolvane/tolvane.ini"
rm -f "$build/src/app/tolvane_EmailAccounts.dat"
# French figures ("1,5 Ko"): Qt has its own locale data, glibc need not have the locale.
LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 "$build/src/app/tolvane" >/dev/null 2>&1 &
bar=$!
sleep "${SETTLE_SECONDS:-4}"

bar_height() {
    xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1 \
        | sed -E 's/^[0-9]+x([0-9]+).*/\1/'
}
shot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$1" +repage "$2"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
key() { xdotool key "$@"; sleep 0.3; }
field() { click 832 "$1"; xdotool type --delay 15 "$2"; }

shot "166x$(($(bar_height) + 20))+1114+0" "$out/options-before.png"
click $((1280 - 146 + 99)) 11            # the options button of the title strip
click 412 307; click 492 569             # Modules Affichés: the mail module on
click 412 353                            # Affichage
click 708 345; key Down Return           # skin: givre, after default
click 708 391; key Down Return           # side: A gauche
click 412 405; click 510 352; click 537 687 # module order: Horloge up
click 412 451; click 525 455             # e-mails: Ajouter
# A server on this machine: the demonstration reaches no other.
field 501 "Maison"; field 524 "moi@example.com"; field 547 "moi"
field 571 "secret"; field 594 "127.0.0.1"
click 810 687                            # OK
shot 628x472+326+276 "$out/options-dialog.png"
click 817 726                            # Sauver
sleep 2
shot "166x$(($(bar_height) + 20))+0+0" "$out/options-after.png"
echo "wrote $out/options-before.png, options-dialog.png and options-after.png"
