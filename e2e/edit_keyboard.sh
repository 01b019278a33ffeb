# Wine tests of the edit keyboard and the hook's key maps (sourced by run.sh).
# Uses caps_lock_twice, type_into_notepad_at and notepad_text_settles of keyboard_pad.sh.

# notepad_in_front_with TEXT: notepad in front holding TEXT typed by the user.
notepad_in_front_with() {
    local x y
    read -r x y <<<"$NOTEPAD_AT"
    [ "$x" -le 180 ] || x=180 # left of the options form that start-up completion shows
    type_into_notepad_at "$x" "$y" "$1"
}

# edit_keyboard_on: Caps Lock twice opens the key pad with the edit keyboard;
# Caps Lock once more closes the pad, and the letters are editing keys: the
# bar shows their map.
edit_keyboard_on() {
    local attempt
    for attempt in 1 2 3; do
        caps_lock_twice
        probe waitvisible Tkxm 3 >/dev/null && break
        log "edit_keyboard_on: attempt $attempt, no pad ($(key_history))"
    done
    probe waitvisible Tkxm 1 || fail "the pad did not open ($(key_history))"
    xdo sleep 0.3 keydown Caps_Lock sleep 0.2 keyup Caps_Lock || fail "xdotool Caps Lock failed"
    for _ in $(seq 20); do [ "$(probe visible Tmodeform)" = 1 ] && break; sleep 0.1; done
    expect_eq "the pad closed" "$(probe visible Tkxm)" 0
    expect_eq "the bar shown" "$(probe visible Tmodeform)" 1
    expect_eq "the bar at the bottom" "$(probe rect Tmodeform)" "271 668 753 692"
    expect_eq "the edit-mode cell" "$(probe caption Tmodeform)" key--cap
    # visible, clip siblings, system menu, minimise box; no-activate, app window, topmost (the
    # window edge asked for is dropped by the window manager: the bar has no frame to edge)
    expect_eq "the bar's styles" "$(probe styles Tmodeform)" "140a0000 08040008"
    expect_eq "notepad still in front" "$(probe foreground)" Notepad
}

# keys KEY...: each key tapped, with time for the main loop between.
keys() {
    local k
    for k in "$@"; do
        xdo key "$k" sleep 0.15 || fail "xdotool key $k failed"
    done
}

# With the edit keyboard on, its keys edit notepad's text: L left, ; right, H
# deletes back, B holds Shift so that L selects, C copies the selection (read
# back from the clipboard) and ends the edit keyboard, so letters type again
# (one replaces the selection); on again, V pastes it. Without it, "jk" types.
test_edit_keyboard() {
    start_tarvesk
    start_notepad
    notepad_in_front_with "hello world"
    edit_keyboard_on
    keys h
    notepad_text_settles "hello worl" "H deletes back"
    keys l l l h
    notepad_text_settles "hello orl" "L moves left, H deletes back"
    keys semicolon semicolon semicolon b l l l
    sleep 0.3
    probe setclipboard "nothing" >/dev/null || fail "cannot set the clipboard"
    keys c
    local copied=""
    for _ in $(seq 30); do
        copied=$(probe clipboard)
        [ "$copied" = orl ] && break
        sleep 0.1
    done
    expect_eq "C copied the selection made with B and L" "$copied" orl
    for _ in $(seq 20); do [ "$(probe caption Tmodeform)" = old--cap ] && break; sleep 0.1; done
    expect_eq "copying ended the edit keyboard" "$(probe caption Tmodeform)" old--cap
    expect_eq "the bar went off the screen" "$(probe rect Tmodeform | cut -d' ' -f1)" 1034
    expect_eq "Shift is up again" "$(probe asynckey 16)" 0
    keys x
    notepad_text_settles "hello x" "a letter types again, over the selection"
    edit_keyboard_on
    keys v
    notepad_text_settles "hello xorl" "V pastes"
    expect_eq "pasting ended the edit keyboard" "$(probe caption Tmodeform)" old--cap
    keys j k
    notepad_text_settles "hello xorljk" "letters type once the edit keyboard is off"
}

# Letters and tokens never leak: with the edit keyboard on, N leaves it without
# typing; a left click leaves it however short; Shift and Caps Lock open the
# input-method picker and type nothing.
test_edit_keyboard_leaving() {
    start_tarvesk
    start_notepad
    notepad_in_front_with "ab"
    edit_keyboard_on
    keys n
    for _ in $(seq 20); do [ "$(probe caption Tmodeform)" = old--cap ] && break; sleep 0.1; done
    expect_eq "N ended the edit keyboard" "$(probe caption Tmodeform)" old--cap
    keys j
    notepad_text_settles "abj" "N typed nothing, J types after it"
    edit_keyboard_on
    local x y
    read -r x y <<<"$NOTEPAD_AT"
    [ "$x" -le 180 ] || x=180
    pointer_to "$x" "$y"
    xdo click 1 sleep 0.3 || fail "xdotool click failed"
    expect_eq "a click ended the edit keyboard" "$(probe caption Tmodeform)" old--cap
    keys End k
    notepad_text_settles "abjk" "K types after the click"
    # The pointer stands still first: the main loop's still counter replaces
    # tokens like the picker's by "old--move" while the pointer moves.
    xdo sleep 2.2 keydown shift sleep 0.1 key Caps_Lock sleep 0.1 keyup shift || fail "xdotool Shift+Caps Lock failed"
    probe waitvisible TsrfForm 3 || fail "Shift and Caps Lock did not open the picker ($(probe caption Tpyoil))"
    expect_eq "the picker was answered" "$(probe caption Tpyoil)" key--imeok
    notepad_text_settles "abjk" "the picker's keys typed nothing"
}
