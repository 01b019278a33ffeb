# Wine tests of the input hook's watchdog and of its token hand-over (sourced by run.sh).

# Moves the pointer back and forth, or taps Shift, COUNT times, 0.25 s apart.
wiggle() { local i; for i in $(seq "$1"); do xdo mousemove $((300 + i % 2 * 40)) 400 || fail "xdotool failed"; sleep 0.25; done; }
tap_shift() { local i; for i in $(seq "$1"); do xdo key shift || fail "xdotool failed"; sleep 0.25; done; }

# The hook thread of the running program hangs longer than the system waits
# for a hook while keys are typed; once it runs again, keys reach the program
# as before (the watchdog sets the hooks again if the system removed them).
test_hook_stall() {
    start_tarvesk
    sleep 2.5 # the pointer rests: a key read while it moved counts as a move
    local out="$TEST_DIR/stall" stats="$TEST_DIR/stats.txt"
    peer_bg_to "$out" probe stall TarveskHookStats 2600
    wait_lines "$out" 1 10
    xdo key --delay 200 b c || fail "xdotool key failed"
    sleep 3
    xdo key x || fail "xdotool key failed"
    dump_field_within 8 kxm ListBox1 '"key--88"'
    probe hookstats "$(winpath "$stats")" || fail "no hook statistics"
    log "hook statistics after the stall: $(tr '\n' ' ' <"$stats")"
    dump_field_within 3 lifeform hookwatch 'text="hook recoveries: mouse '
}

# Forged token messages (the registered "Tarvesk.HookToken") to the program's
# cell windows, naming made-up tickets and addresses: no caption changes, the
# program lives on, and the hook's next key arrives.
test_hook_forged_ticket() {
    start_tarvesk
    sleep 2.5
    probe setcaption TsrfForm "forged-test" || fail "probe setcaption failed"
    local ticket class
    for ticket in 0 1 2 3 4096 18446744073709551615 140737488355328; do
        for class in TsrfForm TvykForm3 Tpyoil; do
            probe hookticket "$class" "$ticket" 4096 || fail "could not post a token message to $class"
        done
    done
    sleep 0.5
    expect_eq "TsrfForm after forged tickets" "$(probe caption TsrfForm)" "forged-test"
    xdo key y || fail "xdotool key failed"
    dump_field_within 5 kxm ListBox1 '"key--89"'
}

# The library alone in a process of its own: with only keys typed the mouse
# hook is probed, with only moves the keyboard hook; a live hook hears its
# probe, so neither is ever set again.
test_hook_watchdog_alive() {
    start_desktop
    local out="$TEST_DIR/hookwatch"
    peer_bg_to "$out" hookwatch "$(winpath "$DIST/wrhk.dll")" alive 13
    expect_line "$out" on 30
    tap_shift 20
    wiggle 20
    expect_line "$out" "recoveries 0 0" 10
    wait_lines "$out" 3 10
    expect_eq "the last count" "$(tail -n 1 "$out")" "recoveries 0 0"
}

# Both hooks removed behind the watchdog's back while the user moves and
# types: the watchdog finds each and sets it again, and events reach the
# hooks once more.
test_hook_watchdog_drop() {
    start_desktop
    local out="$TEST_DIR/hookwatch" stats="$TEST_DIR/stats.txt" i
    peer_bg_to "$out" hookwatch "$(winpath "$DIST/wrhk.dll")" drop 25
    expect_line "$out" dropped 30
    for i in $(seq 15); do
        grep -qx "recoveries 1 1" "$out" && break
        wiggle 2
        tap_shift 2
    done
    expect_line "$out" "recoveries 1 1" 1
    probe hookstats reset || fail "the hook statistics window did not answer"
    # Under load the events of one burst may arrive late or merged: a few
    # bursts, until the hooks have heard six events (dead hooks hear none).
    for i in $(seq 8); do
        wiggle 2
        tap_shift 1
        probe hookstats "$(winpath "$stats")" || fail "no hook statistics"
        [ "$(awk '$1 == "events" { print $2 }' "$stats")" -ge 6 ] && break
    done
    log "hook statistics after the recovery: $(tr '\n' ' ' <"$stats")"
    [ "$(awk '$1 == "events" { print $2 }' "$stats")" -ge 6 ] || fail "the hooks heard too little: $(tr '\n' ' ' <"$stats")"
    grep -qx "recoveries_mouse 1" "$stats" || fail "statistics: no mouse recovery: $(tr '\n' ' ' <"$stats")"
}
TESTS+=(hook_stall hook_forged_ticket hook_watchdog_alive hook_watchdog_drop)
