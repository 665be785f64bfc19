#!/usr/bin/env bash
# Uses the vault of the real bar under a private Xvfb display: the first run clicks the vault
# button, creates the master password and two rows and confirms; the second run (a restart)
# gives the password and writes a picture of the vault window, and one of the whole screen.
#   tools/vault-demo.sh vault.png [screen.png]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "$1")"
screen="$(realpath -m "${2:-/dev/null}")"
EXTRA_PACKAGES=imagemagick . "$root/tools/private-display.sh"
cmake --build "$build" --target vault_demo >/dev/null
printf '[Options]\nSplashScreen=0\n' > "$XDG_CONFIG_HOME/tolvane/tolvane.ini"
data="$work/data"
mkdir -p "$data"
demo="$build/tools/vault_demo/vault_demo"

"$demo" create "$build/src/app" "$data" "$out"
stat -c 'vault file: %n, %s bytes, mode %a' "$data/tolvane_Passwords.dat"
grep -c '^Password=' "$XDG_CONFIG_HOME/tolvane/tolvane.ini" >/dev/null && echo "master password stored"

VAULT_DEMO_LINGER=4 "$demo" reopen "$build/src/app" "$data" "$out" &
bar=$!
sleep "${SETTLE_SECONDS:-5}"
[ "$screen" = /dev/null ] || import -window root "$screen"
wait "$bar"
bar=
echo "wrote $out"
