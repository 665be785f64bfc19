#!/usr/bin/env bash
# Runs the bar under a private Xvfb display against a local Dovecot holding one POP3 and one IMAP
# account, and writes two pictures into the folder given: mail-module.png (the bar with the mail
# module) and options-emails.png (the options dialog's e-mail page editing the IMAP account).
#   tools/mail-demo.sh docs
# The clicks are at fixed places of the 628x472 dialog, centred on the 1280x1024 screen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(cd "${1:-.}" && pwd)"
EXTRA_PACKAGES="imagemagick xdotool dovecot-core dovecot-pop3d dovecot-imapd" \
    . "$root/tools/private-display.sh"
cmake --build "$build" --target mail_demo >/dev/null
printf '[Options]\nSplashScreen=0\nSkin=default\nPosition=0\nDisplayEmails=1\n' \
    >"$XDG_CONFIG_HOME/tolvane/tolvane.ini"
printf 'SortModules=Horloge;e-Mails\n' >>"$XDG_CONFIG_HOME/tolvane/tolvane.ini"
mkdir -p "$XDG_DATA_HOME/tolvane"
mkfifo "$work/hold"
"$build/tools/mail_demo/mail_demo" "$XDG_DATA_HOME/tolvane" <"$work/hold" >"$work/demo.log" &
exec 4>"$work/hold" # the server stops when this script ends and the pipe closes
for _ in $(seq 100); do
    grep -q ready "$work/demo.log" && break
    sleep 0.1
done
# French figures ("1,5 Ko"): Qt has its own locale data, glibc need not have the locale.
LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 "$build/src/app/tolvane" >/dev/null 2>&1 &
bar=$!
sleep "${SETTLE_SECONDS:-6}"

bar_height() {
    xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1 \
        | sed -E 's/^[0-9]+x([0-9]+).*/\1/'
}
shot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "$1" +repage "$2"
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }

shot "166x$(($(bar_height) + 20))+1114+0" "$out/mail-module.png"
click $((1280 - 146 + 99)) 11            # the options button of the title strip
click 412 451                            # e-mails
click 526 407                            # the IMAP account
click 609 455                            # Modifier
shot 628x472+326+276 "$out/options-emails.png"
echo "wrote $out/mail-module.png and options-emails.png"
