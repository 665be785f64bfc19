#!/usr/bin/env bash
# Builds Tolvane and starts the bar on the current desktop; with --build-only it stops after the
# build (to install it with cmake --install build).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/packages.sh"
install_packages "${BUILD_PACKAGES[@]}"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tolvane
[ "${1:-}" = "--build-only" ] && exit 0
# A Wayland client cannot place itself at a screen edge: run through XWayland there.
if [ -n "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=xcb
fi
exec "$build/src/app/tolvane"
