# Wine tests of the status bar as a user sees it (sourced by run.sh).

# bar_pixels FILE: the left 720 x 30 pixels of the screen, where the bar
# shows its mode and hints (notepad at (0, 0) is 729 wide).
bar_pixels() {
    import -window root -crop 720x30+0+0 +repage "$1" || fail "no screenshot"
}

# A notepad opened after Tarvesk, at (0, 0) over the bar, does not cover it:
# the bar's pixels are what they were before notepad came.
test_bar_over_notepad() {
    start_tarvesk
    pointer_to 600 700
    sleep 2
    bar_pixels "$TEST_DIR/before.png"
    start_notepad
    read -r left top _ <<<"$(probe rect Notepad)"
    [ "$left" -lt 700 ] && [ "$top" -lt 30 ] || fail "notepad is not over the bar: $(probe rect Notepad)"
    sleep 1
    bar_pixels "$TEST_DIR/after.png"
    local differ
    differ=$(compare -metric AE -fuzz 5% "$TEST_DIR/before.png" "$TEST_DIR/after.png" null: 2>&1)
    [ "${differ%%.*}" -lt 1000 ] || fail "notepad covers the bar: $differ of 21600 pixels changed"
}
TESTS+=(bar_over_notepad)
