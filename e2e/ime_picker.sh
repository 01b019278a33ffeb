# Wine tests of the input-method identification and picker (sourced by run.sh).

# The picker's place: the bottom right of the 1024 x 768 desktop, its 300 x 480
# window 10 from the right edge and 50 from the bottom.
IME_PICKER_RECT="714 238 1014 718"

# The identification has run: `inputmode.ListBox1` holds what the foreground
# window types with ("英文" for a layout that is no input method), and the
# layout's handle is in `inputmode.Panel1`. "key--show ime" in the keyboard-event
# cell (what the hook writes for the picker's gesture) shows the picker at the
# bottom right, in front, answered "key--imeok"; it lists the input methods Wine
# reports, and its close box hides it. Wine's layouts and their kind are logged
# in the test's output.
test_ime_picker() {
    start_tarvesk
    local dump="$TEST_DIR/dump.txt" line listed_count identified
    dump_field_within 3 inputmode ListBox1 'items=["'
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    echo "identified: $(dump_line "$dump" inputmode ListBox1)"
    identified=$(dump_line "$dump" inputmode ListBox1 | sed -n 's/.* items=\[\("[^"]*"\)\]$/\1/p')
    [ -n "$identified" ] || fail "the identification shows nothing"
    echo "layout: $(dump_line "$dump" inputmode Panel1)"
    line=$(dump_line "$dump" inputmode Panel1) || fail "dump: no inputmode Panel1"
    [[ "$line" =~ text=\"[1-9][0-9]*\" ]] || fail "no layout handle identified: $line"
    # A token written while the pointer moved in the last two seconds may be
    # replaced by the still counter's "old--move" before a tick reads it.
    xdo sleep 2.2
    probe setcaption Tpyoil "key--show ime" || fail "cannot set the Tpyoil caption"
    probe waitcaption Tpyoil "key--imeok" 3 >/dev/null || fail "the picker request was not answered (Tpyoil: $(probe caption Tpyoil))"
    expect_eq "picker visible" "$(probe visible TsrfForm)" 1
    expect_eq "picker place" "$(probe rect TsrfForm)" "$IME_PICKER_RECT"
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    echo "picker: $(dump_line "$dump" srfForm ListView1)"
    echo "modules: $(dump_line "$dump" srfForm ListBox1)"
    line=$(dump_line "$dump" srfForm ListBox4) || fail "dump: no srfForm ListBox4"
    echo "descriptions: $line"
    listed_count=$(grep -o '"[^"]*":-\?[0-9]*' <<<"$(dump_line "$dump" srfForm ListView1)" | wc -l)
    echo "entries: $listed_count"
    # The close box at the picker's top right (the forms have no frame) hides it.
    xdo mousemove 1001 249 click 1 || fail "xdotool click failed"
    local i
    for i in $(seq 12); do [ "$(probe visible TsrfForm)" = 0 ] && break; sleep 0.25; done
    expect_eq "picker visible after its close box" "$(probe visible TsrfForm)" 0
    # An input method identified in front is an installed one: the picker lists it.
    if [ "$identified" != '"英文"' ]; then
        [[ "$(dump_line "$dump" srfForm ListView1)" == *"[$identified:"* || "$(dump_line "$dump" srfForm ListView1)" == *",$identified:"* ]] ||
            fail "the input method in front, $identified, is not in the picker"
    fi
}

# ime_table_with_wine DIR: a class table naming Wine's input method, with an
# unpaired last line.
ime_table_with_wine() {
    printf 'Wine XIM\r\nWineComp\r\n孤\r\n' | iconv -f UTF-8 -t GBK >"$1/ime.txt"
}

# The class table beside the program: Wine's input method in front takes its
# class from it ("WineComp" in `inputmode.Panel5`); at the end of the run the
# table is written back whole, without the unpaired last line.
test_ime_table() {
    start_tarvesk ime_table_with_wine
    dump_field_within 3 inputmode Panel5 'text="WineComp"'
    probe close Tpyoil || fail "no Tpyoil window to close"
    await_program_exit 5 || fail "still running 5 s after WM_CLOSE"
    expect_eq "ime.txt after the run" "$(od -An -c "$APP_DIR/ime.txt" | tr -s ' \n' ' ')" \
        "$(printf 'Wine XIM\r\nWineComp\r\n' | od -An -c | tr -s ' \n' ' ')"
    ls "$APP_DIR" | grep -qi 'tmp$' && fail "a temporary file was left: $(ls "$APP_DIR")"
    return 0
}
