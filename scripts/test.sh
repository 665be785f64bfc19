#!/usr/bin/env bash
# Builds Tolvane and runs every test headless; exits non-zero when a test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/packages.sh"
# Test peers: POP3 and IMAP servers for the mail check, a session bus daemon for the desktop
# notifications, Python with PyNaCl for reading and writing a vault apart from the program; a
# private X display with xprop and xwininfo for the window properties and the installed program;
# the validators of the menu entry and the AppStream file; what makes the Debian package, and man
# to render its manual page; clang-format for the format check.
install_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" dovecot-core dovecot-pop3d \
    dovecot-imapd dbus-daemon python3 python3-nacl openssl xvfb x11-utils appstream \
    desktop-file-utils man-db clang-format
"$root/scripts/check-format.sh"
build="$root/build-tests"
# Warnings are errors here, so none lands.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_WERROR=ON \
    >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
cd "$build"
ctest --output-on-failure --timeout 300
