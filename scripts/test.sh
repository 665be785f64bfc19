#!/usr/bin/env bash
# Builds Tolvane and runs every test headless; exits non-zero when a test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/packages.sh"
# Test peers: a POP3 server for the mail check, Python for the local weather feed.
install_packages "${BUILD_PACKAGES[@]}" dovecot-core dovecot-pop3d python3 openssl
build="$root/build-tests"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen LC_ALL=C
cd "$build"
ctest --output-on-failure --timeout 300
