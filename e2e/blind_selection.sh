# Wine tests of the blind candidate selection (sourced by run.sh).

# What the hook reads to know when letters are selection keys: the blind state
# mirror `kxm.Panel17` ("0") and `kxm.Panel1` ("open": the input method Wine
# reports, "Wine XIM", is no Chinese one, its name lacks "输入法"); the name
# cell `kxm.Panel7` holds the layout's description. Then Shift tapped alone,
# through the real hook's tokens: the main form goes to the screen's width + 2
# and the keyboard-event cell reads "old--modeqq".
test_blind_cells() {
    start_tarvesk
    local dump="$TEST_DIR/dump.txt" line rect
    dump_field_within 3 kxm Panel17 'text="0"'
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    expect_dump "$dump" kxm Panel1 'text="open"'
    line=$(dump_line "$dump" kxm Panel7) || fail "dump: no kxm Panel7"
    echo "name: $line"
    [[ "$line" == *'text="Wine XIM"'* || "$line" == *'text="英文输入法"'* ]] || fail "kxm Panel7 is not the layout's name: $line"
    # Shift's tokens are spared by the still counter; the tap spans a few ticks.
    xdo keydown shift sleep 0.3 keyup shift || fail "xdotool failed"
    probe waitcaption Tpyoil "old--modeqq" 3 >/dev/null || fail "Shift tap not taken (Tpyoil: $(probe caption Tpyoil))"
    rect=$(probe rect Tpyoil)
    expect_eq "main form left after the Shift tap" "${rect%% *}" 1026
}
TESTS+=(blind_cells)
