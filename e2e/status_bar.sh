# Wine tests of the status bar as a user sees it (sourced by run.sh).

# bar_pixels FILE: the left 720 x 30 pixels of the screen, where the bar
# shows its mode and hints (notepad at (0, 0) is 729 wide).
bar_pixels() {
    import -window root -crop 720x30+0+0 +repage "$1" || fail "no screenshot"
}

# bar_changed_pixels: how many of those pixels differ from before.png.
bar_changed_pixels() {
    bar_pixels "$TEST_DIR/after.png"
    local differ
    differ=$(compare -metric AE -fuzz 5% "$TEST_DIR/before.png" "$TEST_DIR/after.png" null: 2>&1)
    echo "${differ%%.*}"
}

# A notepad opened after Tarvesk, at (0, 0) over the bar, does not cover it:
# within a second or two the bar's pixels are what they were before notepad came.
test_bar_over_notepad() {
    start_tarvesk
    pointer_to 600 700
    sleep 2
    bar_pixels "$TEST_DIR/before.png"
    start_notepad
    read -r left top _ <<<"$(probe rect Notepad)"
    [ "$left" -lt 700 ] && [ "$top" -lt 30 ] || fail "notepad is not over the bar: $(probe rect Notepad)"
    local changed _
    for _ in $(seq 8); do
        sleep 0.5
        changed=$(bar_changed_pixels)
        [ "$changed" -lt 1000 ] && return
    done
    probe dump "$(winpath "$TEST_DIR/dump.txt")"
    fail "notepad covers the bar: $changed of 21600 pixels changed (in front: $(probe foreground);" \
        "bar $(probe rect Tlifeform) topmost $(probe topmost Tlifeform);" \
        "a dialog: $(probe rect '#32770') shown $(probe visible '#32770');" \
        "$(dump_line "$TEST_DIR/dump.txt" pyoil asidewhy); $(dump_line "$TEST_DIR/dump.txt" lifeform Timer1))"
}
TESTS+=(bar_over_notepad)

# From the start the bar shows hints (the normal wheel's until the mouse
# moves; the pointer placed before the test may count as a move).
test_hints_at_start() {
    start_tarvesk
    dump_field_within 3 lifeform upmess ' text="上滚＝'
    dump_field_within 3 lifeform downmess ' text="下滚＝'
}
TESTS+=(hints_at_start)
