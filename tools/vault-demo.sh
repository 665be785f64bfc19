#!/usr/bin/env bash
# Uses the vault of the real bar under a private Xvfb display, one start of the bar per step: a
# vault of the earlier versions is written (RC4 file, password in the settings); the bar
# converts it when the password is given and shows its rows; after a restart a wrong password
# is refused; after another the right one opens the new file, and the script writes a picture
# of the vault window, and one of the whole screen.
#   tools/vault-demo.sh vault.png [screen.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "$1")"
screen="$(realpath -m "${2:-/dev/null}")"
EXTRA_PACKAGES=imagemagick . "$root/tools/private-display.sh"
cmake --build "$build" --target vault_demo >/dev/null
ini="$XDG_CONFIG_HOME/tolvane/tolvane.ini"
printf '[Options]\nSplashScreen=0\n' > "$ini"
data="$work/data"
mkdir -p "$data"
demo="$build/tools/vault_demo/vault_demo"
files() { (cd "$data" && ls tolvane_* 2>/dev/null | tr '\n' ' '); echo; }

"$demo" legacy "$build/src/app" "$data" "$out"
echo "before: $(files) settings name a password: $(grep -ci password "$ini" || true)"
"$demo" convert "$build/src/app" "$data" "$out"
echo "after the conversion: $(files) settings name a password: $(grep -ci password "$ini" || true)"
stat -c 'vault file: %n, %s bytes, mode %a' "$data/tolvane_Vault.dat"
head -c 12 "$data/tolvane_Vault.dat"; echo
"$demo" wrong "$build/src/app" "$data" "$out"

VAULT_DEMO_LINGER=4 "$demo" reopen "$build/src/app" "$data" "$out" &
bar=$!
sleep "${SETTLE_SECONDS:-6}"
[ "$screen" = /dev/null ] || import -window root "$screen"
wait "$bar"
bar=
echo "wrote $out"
