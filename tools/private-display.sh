# Sourced by the tools that run the bar as a user would: builds the program into build/ and
# starts a private Xvfb display with fresh configuration, data and runtime folders. Sets $build,
# $work and the environment the bar runs in; the caller stores the bar's PID in $bar and both
# processes and the folder go when the script ends.
. "$root/scripts/packages.sh"
install_packages "${BUILD_PACKAGES[@]}" xvfb xauth x11-utils ${EXTRA_PACKAGES:-}
build="${TOLVANE_BUILD_DIR:-$root/build}"
# A folder configured before keeps its own sources (another checkout, to compare two builds);
# TOLVANE_NO_BUILD=1 runs another program and builds nothing.
if [ "${TOLVANE_NO_BUILD:-0}" != 1 ]; then
    [ -f "$build/CMakeCache.txt" ] \
        || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target tolvane >/dev/null
fi

work="$(mktemp -d)"
# Xvfb picks a free display itself and writes its number once it accepts connections.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${bar:-}" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
read -r number <"$work/displayfd"
display=":$number"
# Seen once: the number came while a client still could not connect; wait until one can.
for _ in $(seq 50); do
    xwininfo -root -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
done
export DISPLAY="$display" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
mkdir -p "$XDG_CONFIG_HOME/tolvane"
