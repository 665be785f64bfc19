#!/usr/bin/env bash
# Measures the idle bar as a user runs it, each run under its own private Xvfb display, with the
# clock, system and bandwidth modules shown (as in the usual desktop monitors):
#   - time from exec to the bar's window being viewable at its final size,
#   - CPU time the idle bar used over the window (from 10 s after start), and the X server's,
#   - context switches of all its threads over the same window, with --threads a line per thread,
#   - proportional memory (PSS) of the idle bar at the end, with a breakdown by mapping,
#   - with --after-windows, PSS again one minute after the options window and the master password
#     dialog have been opened and closed (the windows a user opens most),
#   - with --mail, each build a second time beside the first, with the e-mail module shown and ten
#     accounts on a local Dovecot (five POP3, five IMAP watched with IDLE), measured between two
#     checks once the first round is over and its traffic has left the bandwidth graphs, and
#     whether each figure stays within 10 % of the plain run's.
# Usage: tools/measure-bar.sh [--runs N] [--smaps] [--threads] [--conky] [--after-windows] [--mail]
#                             [seconds] [build folder...]
#   Each build folder (default: build/, built first) is measured N times (default 3), in turn,
#   and the medians are printed per folder; --smaps adds the mapping breakdown of the last run;
#   --conky measures the text monitor Conky showing the same figures (tools/measure/conky.conf)
#   the same way, as a reference, and checks each build against the targets set beside Conky's
#   figures of the same run (CPU + X, time to the final size).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs=3
smaps=0
threads=0
conky=0
after_windows=0
mail=0
# With --mail: the accounts, POP3 and IMAP in turn, and how far above the plain run a figure may be.
mail_accounts=10
mail_share_of_plain=1.1
# The bandwidth graphs show the mail's own traffic (to the local server: the round, then the
# watching connections' log-ins) for the 61 s of their history: the idle between two checks is
# measured once no second has moved half a kilobyte, which a graph shows, for longer than that.
mail_settle=65
# Memory targets, in MiB: the idle bar, and the bar a minute after its windows have closed.
pss_idle_target=16
pss_after_windows_target=18
# Context switches a minute, all threads together (the floor is one tick a second).
switches_target=150
# Beside Conky: CPU + X server at most this share of Conky's, the final size in at most this share
# of its time.
cpu_share_of_conky=0.4
shown_share_of_conky=0.5
settle=10
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --smaps) smaps=1; shift ;;
    --threads) threads=1; shift ;;
    --conky) conky=1; shift ;;
    --after-windows) after_windows=1; shift ;;
    --mail) mail=1; shift ;;
    *) break ;;
    esac
done
seconds="${1:-60}"
shift || true
builds=("$@")
[ ${#builds[@]} -gt 0 ] || builds=("${TOLVANE_BUILD_DIR:-$root/build}")
[ "$conky" = 0 ] || builds+=(conky)

# CPU time of every thread of a process, in ms, from the scheduler's nanosecond counters.
# In microseconds: the X server's few milliseconds a minute would otherwise change by a sixth
# from one rounding to the next.
cpu_us() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { print int(ns / 1e3) }'; }

# Voluntary and involuntary context switches of every thread of a process, one "tid name count"
# line a thread.
switches_by_thread() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" -v name="$(cat "$task/comm" 2>/dev/null)" \
            '/ctxt_switches/ { n += $2 } END { print tid, name, n }' "$task/status" 2>/dev/null || true
    done
}

# Per-thread differences between two switches_by_thread listings, as "name count" lines.
switches_between() {
    awk 'NR == FNR { before[$1] = $3; next } { printf "%s %d\n", $2, $3 - before[$1] }' "$1" "$2"
}

# The private display's top-level windows as xev reports them on file descriptor 6, each event
# on a few lines and flushed as it happens: created, shown, hidden, moved or resized.
watch_top_level_windows() {
    exec 6< <(exec xev -root -event substructure 2>/dev/null)
    window_watcher=$!
    # xev has selected the events long before this is over.
    sleep 0.5
}

stop_watching_windows() {
    kill "$window_watcher" 2>/dev/null || true
    exec 6<&-
}

# Milliseconds from $1 (microseconds, as $EPOCHREALTIME) to the last time a top-level window was
# shown, hidden or resized while shown, once nothing has changed for two seconds. The events are
# timed as they arrive, so the figure is as fine as the X server's own, and waiting for them
# takes no processor from the program starting up.
time_to_final_size() {
    local start=$1 last="" kind="" line window now
    local -A size shown
    while :; do
        if IFS= read -r -t 0.1 line <&6; then
            now=${EPOCHREALTIME/./}
            if [[ $line =~ ^([A-Za-z]+)\ event, ]]; then
                kind=${BASH_REMATCH[1]}
            elif [ -n "$kind" ] && [[ $line =~ window\ (0x[0-9a-f]+)(,\ \(-?[0-9]+,-?[0-9]+\),\ width\ ([0-9]+),\ height\ ([0-9]+))? ]]; then
                window=${BASH_REMATCH[1]}
                case $kind in
                CreateNotify) size[$window]=${BASH_REMATCH[3]}x${BASH_REMATCH[4]} ;;
                MapNotify) shown[$window]=1 last=$now ;;
                UnmapNotify) [ -z "${shown[$window]:-}" ] || { unset "shown[$window]"; last=$now; } ;;
                ConfigureNotify)
                    if [ "${size[$window]:-}" != "${BASH_REMATCH[3]}x${BASH_REMATCH[4]}" ]; then
                        size[$window]=${BASH_REMATCH[3]}x${BASH_REMATCH[4]}
                        [ -z "${shown[$window]:-}" ] || last=$now
                    fi
                    ;;
                esac
                kind=""
            fi
        fi
        now=${EPOCHREALTIME/./}
        if [ -n "$last" ] && [ $((now - last)) -gt 2000000 ]; then
            echo $(((last - start) / 1000))
            return
        fi
        if ! kill -0 "$bar" 2>/dev/null; then
            echo "$window_title ended before showing its window:" >&2
            cat "$work_out/stderr" >&2
            exit 1
        fi
    done
}

# Sums Pss by kind of mapping: Qt's libraries, other libraries, fonts, heap and anonymous memory.
smaps_breakdown() {
    awk '
        /^[0-9a-f]+-[0-9a-f]+ / {
            name = (NF >= 6) ? $6 : "[anonymous]"
            if (name ~ /libQt6/) kind = "Qt libraries"
            else if (name ~ /libicu/) kind = "ICU"
            else if (name ~ /libX|libxcb/) kind = "X client libraries"
            else if (name ~ /\.(ttf|otf|pfb|ttc)$|fonts/) kind = "fonts"
            else if (name ~ /\.so/) kind = "other libraries"
            else if (name ~ /tolvane$/) kind = "program"
            else if (name ~ /^\[heap\]|^\[anonymous\]/) kind = "heap and anonymous"
            else if (name ~ /fontconfig/) kind = "font caches"
            else kind = "other"
        }
        /^Pss:/ { pss[kind] += $2 }
        END { for (k in pss) printf "  %7.1f MiB  %s\n", pss[k] / 1024, k }
    ' "/proc/$1/smaps" | sort -rn
}

# The id of a viewable X window whose title matches the regular expression $1.
viewable_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

# Clicks at x y inside window $1; a negative coordinate counts from its right or bottom edge.
click_in() {
    local id=$1 x=$2 y=$3 WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$x" -ge 0 ] || x=$((WIDTH + x))
    [ "$y" -ge 0 ] || y=$((HEIGHT + y))
    xdotool mousemove --window "$id" "$x" "$y" click 1
}

# Opens a window with a button of the bar's title strip (x from the bar's right edge), lets it
# settle, and closes it with "Annuler", the last button of its bottom row.
open_and_close() {
    local button_x=$1 title=$2 bar_window id=""
    bar_window=$(viewable_window '^Tolvane$')
    click_in "$bar_window" "$button_x" 11
    for _ in $(seq 100); do
        id=$(viewable_window "$title")
        [ -z "$id" ] || break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "the window \"$title\" did not open" >&2; return 1; }
    sleep 2
    click_in "$id" -49 -21
    for _ in $(seq 50); do
        [ -n "$(viewable_window "$title")" ] || return 0
        sleep 0.1
    done
    echo "the window \"$title\" did not close" >&2
    return 1
}

# PSS of a process, in KiB.
pss_kib() { awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"; }

# Established TCP connections of process $1 to port $2 on 127.0.0.1.
connections_to() {
    local inodes
    inodes=$(find /proc/"$1"/fd -lname 'socket:*' -printf '%l\n' 2>/dev/null | tr -dc '0-9\n')
    awk -v port="$(printf '%04X' "$2")" '
        NR == FNR { mine[$1]; next }
        FNR > 1 && $4 == "01" && $3 == "0100007F:" port && ($10 in mine) { n++ }
        END { print n + 0 }' <(echo "$inodes") /proc/"$1"/net/tcp
}

# Starts a Dovecot holding the accounts and writes the accounts file; sets $imap_port.
start_mail_server() {
    local folder=$1
    [ "${TOLVANE_NO_BUILD:-0}" = 1 ] || cmake --build "$folder" --target mail_demo >/dev/null
    mkdir -p "$XDG_DATA_HOME/tolvane"
    mkfifo "$work/hold"
    "$folder/tools/mail_demo/mail_demo" "$XDG_DATA_HOME/tolvane" "$mail_accounts" <"$work/hold" \
        >"$work/demo.log" 2>"$work_out/mail-server" &
    mail_server=$!
    exec 4>"$work/hold" # the server stops once this end of the pipe closes
    for _ in $(seq 300); do
        grep -q ready "$work/demo.log" && break
        kill -0 "$mail_server" 2>/dev/null || break
        sleep 0.1
    done
    imap_port=$(awk '/^ready/ { print $3 }' "$work/demo.log")
    if [ -z "$imap_port" ]; then
        echo "the mail server did not start:" >&2
        cat "$work_out/mail-server" >&2
        exit 1
    fi
}

# The first round is over once every IMAP account is watched: the last account checked is an
# IMAP one, and its watching connection opens only after its check.
wait_for_first_round() {
    local watched=$((mail_accounts / 2))
    for _ in $(seq 900); do
        [ "$(connections_to "$bar" "$imap_port")" -lt "$watched" ] || return 0
        kill -0 "$bar" 2>/dev/null || break
        sleep 0.1
    done
    echo "the first mail round did not end: $(connections_to "$bar" "$imap_port") of" \
        "$watched IMAP accounts watched" >&2
    cat "$work_out/stderr" >&2
    exit 1
}

# Every interface counts, as in the bandwidth module; at most five minutes.
wait_for_quiet_network() {
    local last now quiet=0
    last=$(awk 'NR > 2 { n += $2 + $10 } END { print n }' /proc/net/dev)
    for _ in $(seq 300); do
        sleep 1
        now=$(awk 'NR > 2 { n += $2 + $10 } END { print n }' /proc/net/dev)
        if [ $((now - last)) -ge 512 ]; then quiet=0; else quiet=$((quiet + 1)); fi
        last=$now
        [ "$quiet" -lt "$mail_settle" ] || return 0
    done
    echo "the network did not stay quiet for $mail_settle s; measuring anyway" >&2
}

stop_mail_server() {
    exec 4>&-
    wait "$mail_server" 2>/dev/null || true
}

# Measures one program given as a build folder, or "conky"; the variant "mail" adds the mail
# module and its accounts.
measure_once() {
    local folder=$1 variant=${2:-plain} packages=""
    [ "$after_windows" = 0 ] || packages="xdotool"
    [ "$variant" != mail ] || packages="$packages dovecot-core dovecot-pop3d dovecot-imapd"
    if [ "$folder" = conky ]; then
        TOLVANE_NO_BUILD=1 EXTRA_PACKAGES="conky-std fonts-dejavu-core" \
            . "$root/tools/private-display.sh" >&2
    else
        # xdotool opens and closes the windows as a user's clicks would.
        TOLVANE_BUILD_DIR="$folder" EXTRA_PACKAGES="$packages" \
            . "$root/tools/private-display.sh" >&2
    fi
    local display_emails=0
    if [ "$variant" = mail ]; then
        start_mail_server "$folder"
        display_emails=1
    fi
    # The default SortModules places the e-mail module; with checks an hour apart (the longest
    # period the options offer) the measuring window falls between two of them.
    cat >"$XDG_CONFIG_HOME/tolvane/tolvane.ini" <<EOF
[Options]
SplashScreen=0
DisplayPhoto=0
DisplayClock=1
DisplayMeteo=0
DisplaySysInfo=1
DisplayLAN=1
DisplayEmails=$display_emails
TimerEmail=60
DisplayFavoris=0
DisplayPenseBete=0
EOF
    local start shown x_before cpu_before switches_before switches_after
    watch_top_level_windows
    start=${EPOCHREALTIME/./}
    if [ "$folder" = conky ]; then
        window_title=Conky
        conky -c "$root/tools/measure/conky.conf" >/dev/null 2>"$work_out/stderr" 6<&- &
    else
        window_title=Tolvane
        "$folder/src/app/tolvane" >/dev/null 2>"$work_out/stderr" 4>&- 6<&- &
    fi
    bar=$!
    shown=$(time_to_final_size "$start")
    stop_watching_windows
    # The idle cost is counted once start-up is over (the first ticks, the pages handed back),
    # and with mail once the first round of checks is over as well: the module hands its pages
    # back 5 s after the round.
    sleep $((settle - (shown + 2000) / 1000 > 0 ? settle - (shown + 2000) / 1000 : 0))
    if [ "$variant" = mail ]; then
        wait_for_first_round
        wait_for_quiet_network
    fi
    switches_before="$work/switches-before"
    switches_after="$work/switches-after"
    switches_by_thread "$bar" >"$switches_before"
    cpu_before=$(cpu_us "$bar")
    x_before=$(cpu_us "$xvfb")
    sleep "$seconds"
    if ! kill -0 "$bar" 2>/dev/null; then
        echo "$window ended during the measuring window:" >&2
        cat "$work_out/stderr" >&2
        exit 1
    fi
    local row after=- switches
    row="$shown $(($(cpu_us "$bar") - cpu_before)) $(($(cpu_us "$xvfb") - x_before)) $(pss_kib "$bar")"
    switches_by_thread "$bar" >"$switches_after"
    switches_between "$switches_before" "$switches_after" >"$work_out/threads"
    switches=$(awk '{ n += $2 } END { print n + 0 }' "$work_out/threads")
    row="$row $switches"
    if [ "$after_windows" = 1 ] && [ "$folder" != conky ]; then
        open_and_close -47 ' - Options$' >&2
        open_and_close -81 '^Entrez votre Mot de Passe$' >&2
        sleep 60
        after=$(pss_kib "$bar")
    fi
    echo "$row $after"
    [ "$threads" = 0 ] || cat "$work_out/threads" >>"$work_out/threads-$(label "$folder" | tr / _)-$variant"
    [ "$smaps" = 1 ] && smaps_breakdown "$bar" >"$work_out/smaps-$variant"
    kill "$bar" "$xvfb" 2>/dev/null || true
    wait "$bar" 2>/dev/null || true
    [ "$variant" != mail ] || stop_mail_server
    rm -rf "$work"
    bar=""
}

# A build folder's name in the table: its last two path components (two checkouts' build-tests).
label() { [ "$1" = conky ] && echo conky || echo "$1" | awk -F/ '{ print (NF > 1 ? $(NF-1) "/" : "") $NF }'; }

# A figure kept to a tenth of a millisecond, printed whole.
ms() { awk -v v="$1" 'BEGIN { printf "%.0f", v }'; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# The name a row is printed under.
row_label() { printf '%s%s' "$(label "$1")" "$([ "$2" = plain ] || echo " + $mail_accounts accounts")"; }

work_out="$(mktemp -d)"
trap 'rm -rf "$work_out"' EXIT
row_format='%-30s %9s %8s %8s %8s %9s %8s %8s\n'
printf "$row_format" "build ($runs × ${seconds} s, medians)" \
    "size ms" "CPU/min" "X/min" "CPU+X" "cs/min" "PSS MiB" "after"
for folder in "${builds[@]}"; do
    [ "$folder" = conky ] || folder="$(cd "$folder" && pwd)"
    variants=(plain)
    [ "$mail" = 0 ] || [ "$folder" = conky ] || variants+=(mail)
    for variant in "${variants[@]}"; do : >"$work_out/rows-$variant"; done
    # Runs of the two variants alternate, each first in turn, so that a change in the machine's
    # load weighs on both alike.
    for ((i = 0; i < runs; ++i)); do
        order=("${variants[@]}")
        [ $((i % 2)) = 0 ] || mapfile -t order < <(printf '%s\n' "${variants[@]}" | tac)
        for variant in "${order[@]}"; do
            (measure_once "$folder" "$variant") >>"$work_out/rows-$variant"
        done
    done
    for variant in "${variants[@]}"; do
        rows="$work_out/rows-$variant"
        column() { awk -v c="$1" -v s="$seconds" "{ print $2 }" "$rows" | median; }
        shown=$(column 1 '$c')
        cpu=$(column 2 'sprintf("%.1f", $c * 60 / s / 1000)')
        xcpu=$(column 3 'sprintf("%.1f", $c * 60 / s / 1000)')
        both=$(column 2 'sprintf("%.1f", ($2 + $3) * 60 / s / 1000)')
        switches=$(column 5 'int($c * 60 / s)')
        pss=$(column 4 'sprintf("%.1f", $c / 1024)')
        after=-
        if [ "$(awk 'NR == 1 { print $6 }' "$rows")" != - ]; then
            after=$(column 6 'sprintf("%.1f", $c / 1024)')
        fi
        printf "$row_format" "$(row_label "$folder" "$variant")" "$shown" "$(ms "$cpu")" \
            "$(ms "$xcpu")" "$(ms "$both")" \
            "$switches" "$pss" "$after"
        echo "$folder $variant $shown $both $switches $pss $after" >>"$work_out/medians"
        echo "$folder $variant $cpu $xcpu $both $switches $pss" >>"$work_out/idle"
        threads_file="$work_out/threads-$(label "$folder" | tr / _)-$variant"
        if [ "$threads" = 1 ] && [ -f "$threads_file" ]; then
            awk -v runs="$runs" -v s="$seconds" '{ n[$1] += $2 }
                END { for (t in n) printf "  %8.0f /min  %s\n", n[t] * 60 / s / runs, t }' \
                "$threads_file" | sort -rn
        fi
        if [ "$smaps" = 1 ]; then
            cat "$work_out/smaps-$variant"
        fi
    done
done

# The targets, and whether each build meets them; those set beside Conky need its figures.
conky_shown=$(awk '$1 == "conky" { print $3 }' "$work_out/medians")
conky_both=$(awk '$1 == "conky" { print $4 }' "$work_out/medians")
shown_target=-
both_target=-
if [ -n "$conky_shown" ]; then
    shown_target=$(awk -v c="$conky_shown" -v k="$shown_share_of_conky" 'BEGIN { print int(c * k) }')
    both_target=$(awk -v c="$conky_both" -v k="$cpu_share_of_conky" 'BEGIN { print int(c * k) }')
fi
printf "$row_format" "target" "<= $shown_target" - - "<= $both_target" "<= $switches_target" \
    "<= $pss_idle_target" "$([ "$after_windows" = 1 ] && echo "<= $pss_after_windows_target" || echo -)"
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (t == "-" || v == "-") ? "-" : (v <= t ? "met" : "MISSED") }'; }
while read -r folder variant shown both switches pss after; do
    [ "$folder" != conky ] || continue
    printf "$row_format" "$(row_label "$folder" "$variant")" "$(verdict "$shown" "$shown_target")" \
        - - "$(verdict "$both" "$both_target")" "$(verdict "$switches" "$switches_target")" \
        "$(verdict "$pss" "$pss_idle_target")" "$(verdict "$after" "$pss_after_windows_target")"
done <"$work_out/medians"

# With mail: each idle figure of the mail run beside the plain run's, as a change in per cent,
# and whether it stays within the allowed share.
[ "$mail" = 1 ] || exit 0
change() {
    awk -v m="$1" -v p="$2" 'BEGIN {
        if (p > 0) printf "%+.0f %%\n", (m - p) * 100 / p
        else print (m > 0 ? "+inf" : "+0 %") }'
}
within() { awk -v m="$1" -v p="$2" -v k="$mail_share_of_plain" 'BEGIN { print (m <= p * k ? "met" : "MISSED") }'; }
# Each plain run's figures beside the mail run's of the same folder, pair by pair.
awk '$2 == "plain" { plain[$1] = $0 }
     $2 == "mail" && ($1 in plain) {
         split(plain[$1], p)
         print $1, p[3], $3, p[4], $4, p[5], $5, p[6], $6, p[7], $7
     }' "$work_out/idle" |
    while read -r folder cpu mcpu xcpu mxcpu both mboth switches mswitches pss mpss; do
        echo
        printf "$row_format" "$(label "$folder"): mail / plain" - "$(change "$mcpu" "$cpu")" \
            "$(change "$mxcpu" "$xcpu")" "$(change "$mboth" "$both")" \
            "$(change "$mswitches" "$switches")" "$(change "$mpss" "$pss")" -
        printf "$row_format" "within 10 % of plain" - "$(within "$mcpu" "$cpu")" \
            "$(within "$mxcpu" "$xcpu")" "$(within "$mboth" "$both")" \
            "$(within "$mswitches" "$switches")" "$(within "$mpss" "$pss")" -
    done
