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

# bar_stays_visible CLASS: the window of CLASS, opened after Tarvesk at (0, 0)
# over the bar, does not cover it: within a few seconds the bar's pixels are
# what they were before it came.
bar_stays_visible() {
    read -r left top _ <<<"$(probe rect "$1")"
    [ "${left:-999}" -lt 700 ] && [ "${top:-999}" -lt 30 ] || fail "$1 is not over the bar: $(probe rect "$1")"
    local changed _
    for _ in $(seq 8); do
        sleep 0.5
        changed=$(bar_changed_pixels)
        [ "$changed" -lt 1000 ] && return
    done
    probe dump "$(winpath "$TEST_DIR/dump.txt")"
    fail "$1 covers the bar: $changed of 21600 pixels changed (in front: $(probe foreground);" \
        "bar $(probe rect Tlifeform) topmost $(probe topmost Tlifeform);" \
        "a dialog: $(probe rect '#32770') shown $(probe visible '#32770');" \
        "$(dump_line "$TEST_DIR/dump.txt" pyoil asidewhy))"
}

# Tarvesk started, the pointer still, the bar's pixels kept in before.png.
bar_before_program() {
    start_tarvesk
    pointer_to 600 700
    sleep 2
    bar_pixels "$TEST_DIR/before.png"
}

test_bar_over_notepad() {
    bar_before_program
    start_notepad
    bar_stays_visible Notepad
}

# Wine's wordpad, which starts slowly and sits at (0, 0) 600 × 300.
test_bar_over_wordpad() {
    bar_before_program
    (cd "$WINEPREFIX/drive_c/Program Files/Windows NT/Accessories" && exec timeout -k 5 120 wine wordpad.exe >/dev/null 2>&1) &
    BACKGROUND_PIDS+=("$!")
    probe waitvisible WORDPADTOP 30 || fail "wordpad did not appear"
    bar_stays_visible WORDPADTOP
}
TESTS+=(bar_over_notepad bar_over_wordpad)

# From the start the bar shows hints (the normal wheel's until the mouse
# moves; the pointer placed before the test may count as a move).
test_hints_at_start() {
    start_tarvesk
    dump_field_within 3 lifeform upmess ' text="上滚＝'
    dump_field_within 3 lifeform downmess ' text="下滚＝'
}
TESTS+=(hints_at_start)
