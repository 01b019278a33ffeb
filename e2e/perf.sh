# shellcheck shell=bash
# Wine tests of the per-tick costs' shortcuts (sourced by run.sh).

# screen_scan_agrees LABEL FOUND: a fresh dump's taskbar scan answers FOUND
# (1 or 0), and probing every grid point answers the same; the mode engine's
# cell `lifeform.Panel26` says the same within a few ticks.
screen_scan_agrees() {
    local label=$1 found=$2 dump="$TEST_DIR/dump.txt" line cell
    [ "$found" = 1 ] && cell='text="find tb"' || cell='text="xx find tb"'
    dump_field_within 3 lifeform Panel26 "$cell"
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    line=$(grep '^screen_scan ' "$dump") || fail "$label: no screen_scan line in the dump"
    echo "$label: $line"
    [[ "$line" == "screen_scan class=ToolbarWindow32 found=$found by_probes=$found "* ]] ||
        fail "$label: \"$line\", wanted found=$found by_probes=$found"
}

# The taskbar scan probes only the grid points inside shown windows of the
# toolbar's class; on Wine's real desktop it answers what probing every grid
# point answers: a target whose client area is a "ToolbarWindow32" child
# across grid row 720 is found, and
# once the target is gone nothing is found.
test_screen_scan() {
    start_tarvesk
    screen_scan_agrees "no toolbar" 0
    peer_bg target "$(winpath "$TEST_DIR/target.log")" 60 toolbar
    probe waitvisible TarveskTarget 10 >/dev/null || fail "the target window did not appear"
    screen_scan_agrees "the target's toolbar" 1
    probe close TarveskTarget >/dev/null || fail "the target did not close"
    screen_scan_agrees "the target closed" 0
}
TESTS+=(screen_scan)

# The page-end probe reads a column of the screen at once; on Wine's real
# desktop every pixel of it is what GetPixel reads one by one: 60 rows from the
# top of the screen, across the status bar's lower edge, near the right edge.
test_screen_column() {
    local dump="$TEST_DIR/dump.txt" line
    start_tarvesk
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    line=$(grep '^screen_column ' "$dump") || fail "no screen_column line in the dump"
    echo "$line"
    [[ "$line" == "screen_column x="*" rows=60 agreeing=60 read=60" ]] || fail "\"$line\": the column and the pixels differ"
}
TESTS+=(screen_column)

# The screen's size is read once and kept until the system says the displays
# changed: after a change of resolution a fresh dump's column lies 12 pixels
# inside the new right edge, and the status bar still spans the screen's top.
test_display_change() {
    local dump="$TEST_DIR/dump.txt" line
    start_tarvesk
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    line=$(grep '^screen_column ' "$dump")
    [[ "$line" == "screen_column x=1012 "* ]] || fail "before: \"$line\""
    probe resolution 800 600 >/dev/null || fail "the resolution could not be changed"
    sleep 1
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    line=$(grep '^screen_column ' "$dump")
    [[ "$line" == "screen_column x=788 rows=60 agreeing=60 read=60" ]] || fail "after: \"$line\""
}
TESTS+=(display_change)
