#!/usr/bin/env bash
# tools/fuzz/run.sh SECONDS [TARGET...]: builds the libFuzzer targets with clang in build-fuzz/
# and runs each (all of them when none is named) for SECONDS, one after another, on a copy of
# its committed starting corpus. Prints, per target, the executions run and whether it found
# anything; a finding's input is kept in build-fuzz/findings/<target>/.
set -euo pipefail

seconds=${1:?usage: tools/fuzz/run.sh SECONDS [TARGET...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${TOLVANE_FUZZ_BUILD:-$root/build-fuzz}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings ini hexa_cipher accounts weather_xml pop3 imap proc favorites notes vault
    open_meteo http_reply)

if ! command -v clang++ >/dev/null; then
    echo "clang++ is needed (Debian: clang, libclang-rt-14-dev)" >&2
    exit 2
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANE_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target $(printf 'fuzz_%s ' "${targets[@]}") >/dev/null

export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
# The targets write the files they parse; in memory, each save's sync to disk costs nothing.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
status=0
for target in "${targets[@]}"; do
    work="$build/work/$target"
    findings="$build/findings/$target"
    rm -rf "$work"
    mkdir -p "$work" "$findings"
    cp -r "$here/corpus/$target/." "$work/"
    log="$build/$target.log"
    if "$build/tools/fuzz/fuzz_$target" "$work" -max_total_time="$seconds" -max_len=8192 \
        -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$log" 2>&1; then
        result="no finding"
    else
        result="FINDING (see $log, input in $findings/)"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    printf '%-12s %12s executions in %ss: %s\n' "$target" "${runs:-?}" "$seconds" "$result"
done
exit $status
