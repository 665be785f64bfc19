#!/usr/bin/env bash
# Pictures of the bar under a private Xvfb display with a few favorites in each list, the
# Windows tab then the Internet tab: tools/favorites-shot.sh out.png <skin name>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
skin="${2:-default}"
EXTRA_PACKAGES="imagemagick xdotool" . "$root/tools/private-display.sh"
printf '[Options]\nSplashScreen=0\nSkin=%s\nSortModules=Favoris;Photo\nDisplayClock=0\nDisplayMeteo=0\nFavWinDisplaySmallIcons=1\nFavModuleNbElem=6\n' \
    "$skin" > "$XDG_CONFIG_HOME/tolvane/tolvane.ini"
data="$build/src/app"
mkdir -p "$work/Документы"
printf '%s\r\n' "$work/Документы;Документы" "/etc/hosts;Fichier hosts" \
    "/usr/share/doc;Documentation" "/usr/share/applications/vim.desktop;Vim" \
    "/usr/share/icons/Adwaita/icon-theme.cache;Cache" "/etc/hosts;Encore hosts" \
    > "$data/tolvane_FavWindows.dat"
printf '%s\r\n' "https://www.debian.org/;Debian" "https://doc.qt.io/;Qt" \
    "ftp://ftp.fr.debian.org/;Miroir FTP" > "$data/tolvane_FavInternet.dat"
"$build/src/app/tolvane" >/dev/null 2>&1 &
bar=$!
sleep "${SETTLE_SECONDS:-5}"
geometry=$(xwininfo -root -tree | awk '/"Tolvane": \("tolvane"/ { print $(NF-1) }' | head -n 1)
height=$(echo "$geometry" | sed -E 's/^[0-9]+x([0-9]+).*/\1/')
import -window root "$work/windows.png"
# The favorites module comes first, so its Internet tab button is at a fixed place.
xdotool mousemove "${FAV_TAB_X:-1180}" "${FAV_TAB_Y:-55}" click 1
sleep 1
import -window root "$work/internet.png"
crop="166x$((height + 20))+1114+0"
convert "$work/windows.png" -crop "$crop" +repage "$work/a.png"
convert "$work/internet.png" -crop "$crop" +repage "$work/b.png"
convert "$work/a.png" "$work/b.png" +append "$out"
rm -f "$data/tolvane_FavWindows.dat" "$data/tolvane_FavInternet.dat"
echo "wrote $out"
