#!/usr/bin/env bash
# Cost of the input hook's callback under Wine.
#
#   e2e/bench-hook.sh [BUILD] [EVENTS]    BUILD default build/win64, EVENTS default 1000
#
# Starts Tarvesk, resets the hook's statistics, sends a burst of EVENTS input
# events with xdotool (pointer steps and key presses, a few xdotool calls),
# then reads the statistics that wrhk.dll keeps and prints:
#   input sent: EVENTS events
#   hook callback: events N, median X us, max Y us
#   median under 50 us: yes|no
# Wine adds its own delivery cost; the numbers compare builds, they are not
# those of Windows.
set -u
# shellcheck source=e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

MEDIAN_LIMIT_US=50
BATCH=200 # events per xdotool call

# xdotool arguments for COUNT pointer steps along a line below the status bar,
# 2 ms apart so that Wine does not merge them into fewer events.
pointer_steps() {
    local count=$1 i
    for ((i = 0; i < count; i++)); do printf 'mousemove %d %d sleep 0.002 ' $((300 + i % 400)) $((400 + i % 2)); done
}

# xdotool arguments for COUNT key events (a press and a release each count one).
key_presses() {
    local count=$1 i
    printf 'key --delay 1 '
    for ((i = 0; i < count / 2; i++)); do printf 'a '; done
}

send_burst() {
    local events=$1 sent=0 n
    while [ "$sent" -lt "$events" ]; do
        n=$((events - sent < BATCH ? events - sent : BATCH))
        # shellcheck disable=SC2046 # word splitting makes the xdotool command chain
        xdo $(pointer_steps $((n / 2))) $(key_presses $((n - n / 2))) || die "xdotool failed"
        sent=$((sent + n))
    done
}

main() {
    e2e_init "${1:-$ROOT/build/win64}"
    local events=${2:-1000} stats="$E2E_TMP/hookstats.txt"
    [ -f "$DIST/Tarvesk.exe" ] || die "no Tarvesk.exe in $DIST"
    start_program "$(fresh_app_dir)"
    probe wait TarveskHookStats 30 >/dev/null || die "no TarveskHookStats window: is the hook running?"
    pointer_to 300 400
    sleep 0.5
    probe hookstats reset || die "the hook statistics window did not answer the reset"
    send_burst "$events"
    sleep 1
    probe hookstats "$(winpath "$stats")" || die "the hook statistics were not written"
    local n median max
    n=$(awk '$1 == "events" { print $2 }' "$stats")
    median=$(awk '$1 == "median_us" { print $2 }' "$stats")
    max=$(awk '$1 == "max_us" { print $2 }' "$stats")
    if [ -z "$n" ] || [ -z "$median" ] || [ -z "$max" ]; then
        die "unreadable statistics: $(tr '\n' ' ' <"$stats")"
    fi
    echo "input sent: $events events (Wine may merge pointer steps)"
    echo "hook callback: events $n, median $median us, max $max us"
    if awk -v m="$median" -v l="$MEDIAN_LIMIT_US" 'BEGIN { exit !(m < l) }'; then
        echo "median under $MEDIAN_LIMIT_US us: yes"
    else
        echo "median under $MEDIAN_LIMIT_US us: no"
    fi
}

main "$@"
