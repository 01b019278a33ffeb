#!/usr/bin/env bash
# The program's whole performance budget, measured in one run: the simulated
# desktop's benchmarks and the real build under Wine. Not a test: it prints
# figures, each with its target and the ratio value / target (above 1 is over
# the target), as the Markdown table the README's performance section shows.
#
#   bench/run.sh [NATIVE_BUILD [WIN64_BUILD]]   defaults build/native, build/win64
#
# Environment: BENCH_IDLE_SECONDS (60) the idle measure's length,
# BENCH_SOAK_SECONDS (60; 600 for the full soak) the input soak's length,
# BENCH_NOTCHES (20) the wheel notches of the latency measure.
#
# Under Wine every figure is measured inside the program where it can be
# (tick costs from the diagnostics dump, the hook's costs from wrhk.dll's own
# statistics); CPU and memory come from /proc, the latency from the target
# peer's log polled every 2 ms. The machine is shared: figures are of one run.
set -u
# shellcheck source=e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

IDLE_SECONDS=${BENCH_IDLE_SECONDS:-60}
SOAK_SECONDS=${BENCH_SOAK_SECONDS:-60}
NOTCHES=${BENCH_NOTCHES:-20}
MIN_TICKS=200
ROWS=()

# row MEASURE WHERE VALUE TARGET RATIO
row() { ROWS+=("| $1 | $2 | $3 | $4 | $5 |"); }

# ratio VALUE LIMIT: VALUE / LIMIT to two places, or "-" without a limit.
ratio() { awk -v v="$1" -v l="$2" 'BEGIN { if (l > 0) printf "%.2f", v / l; else print "-" }'; }

# ---- the simulated desktop -----------------------------------------------------

# sim_rows NATIVE_BUILD: the tick benchmarks (real time per iteration, in us).
sim_rows() {
    local bench="$1/tarvesk_bench" csv group
    if [ ! -x "$bench" ]; then
        row "simulated desktop" "-" "no $bench" "-" "-"
        return
    fi
    # One run per group: the CSV reporter stops at a benchmark whose counters
    # differ from the first one's.
    csv=$(for group in ScreenScan MainLoopTick ModeEngine MousePadTick KeyboardPadTick CompositionWindowSearch; do
        "$bench" --benchmark_filter="$group" --benchmark_format=csv 2>/dev/null
    done | awk -F, '/^"/ { gsub(/"/, "", $1); print $1, $3, $5 }')
    local name us unit limit
    while read -r name us unit; do
        [ "$unit" = us ] || continue
        case $name in
        MainLoopTick*) limit=500 ;;  # 1 % of 50 ms
        ModeEngine*) limit=2000 ;;   # 5 % of 40 ms
        *) limit=0 ;;
        esac
        row "$name" "sim, 300 windows" "$(printf '%.1f us' "$us")" \
            "$([ "$limit" -gt 0 ] && echo "$limit us" || echo "-")" "$(ratio "$us" "$limit")"
    done <<<"$csv"
}

# ---- Wine: the program's process and the desktop -------------------------------

# The Linux process of this prefix's Tarvesk.exe, and of its wine server:
# Wine's own processes (not the shell or timeout that started them) whose
# environment names this prefix.
prefix_pids() {
    local pattern=$1 pid
    for pid in $(pgrep -f "$pattern"); do
        [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == *wine* ]] || continue
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}
program_pid() { prefix_pids 'Tarvesk\.exe' | head -n 1; }
server_pid() { prefix_pids '^(/[^ ]*/)?wineserver' | head -n 1; }

# CPU time of a process in clock ticks, user and system.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
rss_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# Starts the program on a desktop of SIZE and waits for start-up completion;
# STARTUP_MS is the time from the start to TFormMain seen shown.
start_measured() {
    DESKTOP_SIZE=$1
    local app started
    app=$(fresh_app_dir)
    start_desktop
    sleep 3
    started=$(date +%s%N)
    (cd "$app" && exec timeout -k 5 600 wine ./Tarvesk.exe >/dev/null 2>&1) &
    PROGRAM_PID=$!
    probe waitvisible TFormMain 30 >/dev/null || die "start-up completion did not happen"
    STARTUP_MS=$((($(date +%s%N) - started) / 1000000))
}

# Moves the pointer in a square, so that the mode engine selects modes.
wander() {
    local _
    for _ in $(seq "$1"); do
        xdo mousemove 300 300 sleep 0.2 mousemove 600 300 sleep 0.2 mousemove 600 600 sleep 0.2 mousemove 300 600 sleep 0.2
    done
}

# timing_field DUMP NAME FIELD
timing_field() {
    awk -v n="$2" -v f="$3" '$1 == "timing" && $2 == n {
        for (i = 3; i <= NF; i++) { split($i, kv, "="); if (kv[1] == f) print kv[2] } }' "$1"
}

# tick_rows SIZE [WHERE]: the two handlers' average and p99 while the pointer
# wanders; WHERE adds to the rows' place.
tick_rows() {
    local size=$1 where=${2:-} dump="$E2E_TMP/dump.txt" ticks=0 name label avg_limit p99_limit avg p99
    until [ "${ticks:-0}" -ge "$MIN_TICKS" ]; do
        wander 6
        probe dump "$(winpath "$dump")" || die "no diagnostics dump"
        ticks=$(timing_field "$dump" main_loop ticks)
    done
    for name in main_loop mode_engine; do
        if [ $name = main_loop ]; then
            label="main-loop tick" avg_limit=500 p99_limit=2500 # 1 % and 5 % of 50 ms
        else
            label="mode-engine tick" avg_limit=2000 p99_limit=6000 # 5 % and 15 % of 40 ms
        fi
        avg=$(timing_field "$dump" $name average_us)
        p99=$(timing_field "$dump" $name p99_us)
        row "$label, average / p99 ($(timing_field "$dump" $name ticks) ticks)" "Wine, $size$where" \
            "$avg us / $p99 us (longest $(timing_field "$dump" $name max_us) us, tick $(timing_field "$dump" $name max_tick))" "$avg_limit us / $p99_limit us" \
            "$(ratio "$avg" $avg_limit) / $(ratio "$p99" $p99_limit)"
    done
    grep '^screen_scan ' "$dump" >&2
}

# Another program's window in front, under the whole square the pointer wanders
# over: the ticks then read another process's windows, as on a user's desktop.
target_in_front() {
    peer_bg target "$(winpath "$E2E_TMP/front.log")" 600
    probe wait TarveskTarget 10 >/dev/null || die "the target window did not appear"
    probe place TarveskTarget 200 200 500 500 >/dev/null || die "the target window could not be placed"
    xdo mousemove 400 400 click 1
    sleep 1
}

# percentile P: the P-th percentile of the numbers on stdin.
percentile() { sort -n | awk -v p="$1" '{ v[NR] = $1 } END { i = int((NR * p + 99) / 100); if (i < 1) i = 1; print v[i] }'; }

# key_arrival_ms LOG COUNT SEND...: starts SEND and waits, meanwhile, for line
# COUNT+1 of LOG to read "keydown 37"; prints the milliseconds between. SEND
# runs beside the wait: xdotool's click returns only some 100 ms after the
# press, and the key may be at the target long before.
key_arrival_ms() {
    local log=$1 count=$2 start sender _ took=3000; shift 2
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    sender=$!
    for _ in $(seq 1500); do
        if [ "$(grep -c '^keydown 37$' "$log")" -gt "$count" ]; then
            took=$((($(date +%s%N) - start) / 1000000))
            break
        fi
        sleep 0.002
    done
    wait "$sender"
    echo "$took"
}

# The task wheel turns a notch up into Left at the target; the same harness
# sending Left itself gives the delivery cost that is not the program's.
latency_rows() {
    local log="$E2E_TMP/target.log" notch=() own=() n _
    peer_bg target "$(winpath "$log")" 300
    probe wait TarveskTarget 10 >/dev/null || die "the target window did not appear"
    pointer_to 500 700
    xdo click 1
    xdo mousemove 500 700 sleep 0.2 mousemove 400 700 sleep 0.2
    probe waitcaption Tlifeform mywheeltask 3 >/dev/null || die "the task wheel was not selected"
    for _ in $(seq "$NOTCHES"); do
        n=$(grep -c '^keydown 37$' "$log")
        notch+=("$(key_arrival_ms "$log" "$n" xdotool click 4)")
        sleep "0.$((RANDOM % 3 + 2))"
        n=$(grep -c '^keydown 37$' "$log")
        own+=("$(key_arrival_ms "$log" "$n" xdotool key Left)")
        sleep "0.$((RANDOM % 3 + 2))"
    done
    local nmed np95 omed added
    nmed=$(printf '%s\n' "${notch[@]}" | percentile 50)
    np95=$(printf '%s\n' "${notch[@]}" | percentile 95)
    omed=$(printf '%s\n' "${own[@]}" | percentile 50)
    added=$((np95 - omed))
    row "hook -> action latency added, p95 ($NOTCHES notches)" "Wine, 1024x768" \
        "$added ms (notch median $nmed, p95 $np95; Left itself median $omed)" "60 ms" "$(ratio "$added" 60)"
}

# CPU of the program and of the wine server over IDLE_SECONDS with no input.
idle_rows() {
    local pid=$1 server=$2 hz p0 s0 p1 s1
    hz=$(getconf CLK_TCK)
    pointer_to 100 700
    sleep 3
    p0=$(cpu_ticks "$pid") s0=$(cpu_ticks "$server")
    sleep "$IDLE_SECONDS"
    p1=$(cpu_ticks "$pid") s1=$(cpu_ticks "$server")
    local prog serv
    prog=$(awk -v d=$((p1 - p0)) -v hz="$hz" -v s="$IDLE_SECONDS" 'BEGIN { printf "%.1f", 100 * d / hz / s }')
    serv=$(awk -v d=$((s1 - s0)) -v hz="$hz" -v s="$IDLE_SECONDS" 'BEGIN { printf "%.1f", 100 * d / hz / s }')
    row "idle CPU, ${IDLE_SECONDS} s, no input" "Wine, 1024x768" "$prog % of a core (wine server $serv %)" "1 %" \
        "$(ratio "$prog" 1)"
}

# Random input for SOAK_SECONDS: moves, notches, keys into the target, clicks.
soak() {
    local end=$(($(date +%s) + SOAK_SECONDS))
    while [ "$(date +%s)" -lt "$end" ]; do
        xdo mousemove $((200 + RANDOM % 600)) $((200 + RANDOM % 400)) sleep 0.05 \
            mousemove $((200 + RANDOM % 600)) $((650 + RANDOM % 80)) click 1 click $((4 + RANDOM % 2)) \
            key --delay 20 a b c BackSpace BackSpace BackSpace >/dev/null 2>&1
    done
}

wine_rows() {
    e2e_init "$1"
    [ -f "$DIST/Tarvesk.exe" ] || die "no Tarvesk.exe in $DIST"
    local pid server rss0 rss1
    start_measured 1024x768
    row "start to start-up completion (warm prefix)" "Wine, 1024x768" "$STARTUP_MS ms" "1500 ms" \
        "$(ratio "$STARTUP_MS" 1500)"
    pid=$(program_pid) server=$(server_pid)
    if [ -z "$pid" ] || [ -z "$server" ]; then die "the program's or the wine server's process was not found"; fi
    sleep 2
    rss0=$(rss_kb "$pid")
    tick_rows 1024x768
    idle_rows "$pid" "$server"
    latency_rows
    soak
    rss1=$(rss_kb "$pid")
    row "resident memory after start-up / after a ${SOAK_SECONDS} s input soak" "Wine, 1024x768" \
        "$((rss0 / 1024)) MB / $((rss1 / 1024)) MB" "report; no growth" "-"
    stop_wine
    start_measured 1920x1080
    tick_rows 1920x1080
    stop_wine
    start_measured 1024x768
    target_in_front
    tick_rows 1024x768 ", another program in front"
    stop_wine
}

# The hook's own statistics, from e2e/bench-hook.sh.
hook_rows() {
    local out median max
    out=$("$E2E_DIR/bench-hook.sh" "$1" 1000 2>&1 | grep '^hook callback:')
    median=$(sed -n 's/.*median \([0-9.]*\) us.*/\1/p' <<<"$out")
    max=$(sed -n 's/.*max \([0-9.]*\) us.*/\1/p' <<<"$out")
    [ -n "$median" ] || { row "hook callback" "Wine" "not measured: ${out:-no output}" "-" "-"; return; }
    row "hook callback, median / max" "Wine, 1000 xdotool events" "$median us / $max us" "20 us / 1000 us" \
        "$(ratio "$median" 20) / $(ratio "$max" 1000)"
}

main() {
    local native=${1:-$ROOT/build/native} win=${2:-$ROOT/build/win64}
    DESKTOP_SIZE=1920x1080 # the X screen holds either desktop
    sim_rows "$native"
    local wine_rows_file
    wine_rows_file=$(mktemp)
    # shellcheck disable=SC2030,SC2031 # the subshell prints its own rows
    (ROWS=() && wine_rows "$win" && printf '%s\n' "${ROWS[@]}") >"$wine_rows_file" || log "bench: the Wine measures failed"
    hook_rows "$win"
    echo "| measure | where | value | target | ratio |"
    echo "|---|---|---|---|---|"
    # shellcheck disable=SC2031 # the sim and hook rows are this shell's own
    printf '%s\n' "${ROWS[@]}"
    cat "$wine_rows_file"
    rm -f "$wine_rows_file"
}

main "$@"
