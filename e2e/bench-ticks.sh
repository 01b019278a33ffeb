#!/usr/bin/env bash
# What the program's periodic handlers cost under Wine: the main loop (50 ms)
# and the wheel-mode engine (40 ms), averaged over at least 200 ticks while the
# pointer moves around the desktop.
#
#   e2e/bench-ticks.sh [BUILD]      BUILD default build/win64
#
# Prints one line per handler:
#   main loop: 240 ticks, average 85 us, max 900 us, 0.17 % of its 50 ms period
set -u
# shellcheck source=e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

MIN_TICKS=200

# Moves the pointer in a square, so that the mode engine selects modes.
wander() {
    local i
    for i in $(seq 12); do
        xdo mousemove 300 300 sleep 0.2 mousemove 600 300 sleep 0.2 mousemove 600 600 sleep 0.2 mousemove 300 600 sleep 0.2
    done
}

report() {
    local dump=$1 name=$2 label=$3 period_ms=$4
    awk -v n="$name" -v label="$label" -v period="$period_ms" '
        $1 == "timing" && $2 == n {
            for (i = 3; i <= NF; i++) { split($i, kv, "="); v[kv[1]] = kv[2] }
            printf "%s: %d ticks, average %d us, max %d us, %.2f %% of its %d ms period\n",
                label, v["ticks"], v["average_us"], v["max_us"], v["average_us"] / (period * 10), period
            found = 1
        }
        END { exit !found }' "$dump" || die "no timing line for $name"
}

main() {
    e2e_init "${1:-$ROOT/build/win64}"
    [ -f "$DIST/Tarvesk.exe" ] || die "no Tarvesk.exe in $DIST"
    local dump="$E2E_TMP/dump.txt" ticks=0
    start_program "$(fresh_app_dir)"
    probe waitvisible TFormMain 30 >/dev/null || die "start-up completion did not happen"
    until [ "$ticks" -ge "$MIN_TICKS" ]; do
        wander
        probe dump "$(winpath "$dump")" || die "no diagnostics dump"
        ticks=$(awk '$1 == "timing" && $2 == "main_loop" { split($3, kv, "="); print kv[2] }' "$dump")
        ticks=${ticks:-0}
    done
    report "$dump" main_loop "main loop" 50
    report "$dump" mode_engine "mode engine" 40
    grep "^reads " "$dump" || true
}

main "$@"
