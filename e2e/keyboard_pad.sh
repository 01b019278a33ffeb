# Wine tests of the keyboard mouse pad (sourced by run.sh).

# caps_lock_twice: two Caps Lock presses, each held long enough for the main
# loop to see both its press and its release.
caps_lock_twice() {
    xdo keydown Caps_Lock sleep 0.15 keyup Caps_Lock sleep 0.15 \
        keydown Caps_Lock sleep 0.15 keyup Caps_Lock || fail "xdotool Caps Lock failed"
}

# pad_beside X Y: the pad hidden and shown again by O with the pointer at X,Y,
# so it opens 32 pixels below and right of the pointer.
# A typed key waits until the pointer has stood still for two seconds: until
# then the main loop's 100 ms still counter may replace the key's token by
# "old--move" before a pad tick reads it, when the ticks run late (a busy machine).
pad_beside() {
    xdo mousemove "$1" "$2" sleep 2.2 || fail "xdotool move failed"
    local shown
    for shown in 0 1; do
        xdo keydown o sleep 0.1 keyup o sleep 0.3 || fail "xdotool O failed"
        [ "$shown" = 1 ] || xdo sleep 2.2
        [ "$(probe visible Tkxm)" = "$shown" ] || fail "O did not make the pad's visibility $shown ($(key_history))"
    done
    expect_eq "pad beside the pointer" "$(probe rect Tkxm | cut -d' ' -f1,2)" "$(($1 + 32)) $(($2 + 32))"
}

key_history() {
    probe dump "$(winpath "$TEST_DIR/dump.txt")" && dump_line "$TEST_DIR/dump.txt" kxm ListBox1
}

# Caps Lock twice shows the pad centred; J held moves the pointer left by 8
# pixels a tick of the pad's 10 ms timer (held 0.12 s: some 12 ticks, far
# from the screen's left edge even when the key's release comes late); Space clicks where the pointer is (notepad comes to the
# front); H closes the window under the pointer (the target).
test_keyboard_pad() {
    start_tarvesk
    start_notepad
    peer_bg target "$(winpath "$TEST_DIR/target.log")" 60
    probe wait TarveskTarget 10 || fail "the target window did not appear"
    pointer_to 500 700
    xdo click 1 # the target in front
    caps_lock_twice
    probe waitvisible Tkxm 3 || fail "the pad did not open (Tkxm: $(probe rect Tkxm))"
    expect_eq "pad centred" "$(probe rect Tkxm)" "370 297 654 470"
    local x y
    read -r x y <<<"$NOTEPAD_AT"
    [ "$x" -le 250 ] || x=250 # left of the options form that start-up completion shows
    pad_beside "$x" "$y"
    xdo keydown j sleep 0.12 keyup j || fail "xdotool J failed"
    sleep 0.2
    local px py
    eval "$(xdo getmouselocation --shell | sed -n 's/^X=/px=/p; s/^Y=/py=/p')"
    local moved=$((x - px))
    [ "$py" -eq "$y" ] || fail "J moved the pointer up or down: $y -> $py"
    [ $((moved % 8)) -eq 0 ] && [ "$moved" -ge 16 ] && [ "$moved" -le 248 ] ||
        fail "J held 0.12 s moved the pointer $moved px (8 px a 10 ms tick expected; pad visible $(probe visible Tkxm) at $(probe rect Tkxm); $(key_history))"
    expect_eq "pad follows" "$(probe rect Tkxm | cut -d' ' -f1)" $((px + 32))
    expect_eq "in front before Space" "$(probe foreground)" TarveskTarget
    # Back over notepad, left of the options form, wherever J left the pointer.
    read -r x y <<<"$NOTEPAD_AT"
    [ "$x" -le 180 ] || x=180
    pad_beside "$x" "$y"
    read -r px py <<<"$x $y"
    xdo sleep 2.2 key space || fail "xdotool space failed"
    for _ in $(seq 20); do [ "$(probe foreground)" = Notepad ] && break; sleep 0.1; done
    [ "$(probe foreground)" = Notepad ] || fail "Space at $px,$py did not click notepad ($(probe rect Notepad)) to the front: $(probe foreground) ($(probe rect TFormMain)) is"
    pad_beside 500 700
    xdo sleep 2.2 key h || fail "xdotool h failed"
    for _ in $(seq 30); do probe wait TarveskTarget 0 >/dev/null 2>&1 || break; sleep 0.1; done
    if probe wait TarveskTarget 0 >/dev/null 2>&1; then fail "H did not close the target under the pointer"; fi
    probe wait Notepad 0 >/dev/null 2>&1 || fail "H closed notepad"
}

# type_into_notepad_at X Y TEXT: clicks notepad at X Y until it is in front and
# types TEXT, again while nothing arrived (keys typed while the front changes
# may go astray); notepad's text then settles to TEXT.
type_into_notepad_at() {
    local x=$1 y=$2 attempt text=""
    pointer_to "$x" "$y"
    for attempt in 1 2 3; do
        for _ in $(seq 10); do
            xdo click 1 sleep 0.3 || fail "xdotool click failed"
            [ "$(probe foreground)" = Notepad ] && break
        done
        xdo sleep 0.5 type "$3" || fail "xdotool typing failed"
        for _ in $(seq 40); do
            text=$(probe childtext Notepad Edit)
            [ -n "$text" ] && break
            sleep 0.05
        done
        [ -n "$text" ] && break
    done
    notepad_text_settles "$3" "typed into notepad (attempts: $attempt; front $(probe foreground); $(key_history))"
}

# notepad_text_settles TEXT WHAT: notepad's text (lower case) becomes TEXT within 2 s.
notepad_text_settles() {
    local text="" _
    for _ in $(seq 40); do
        text=$(probe childtext Notepad Edit | tr 'A-Z' 'a-z')
        [ "$text" = "$1" ] && break
        sleep 0.05
    done
    expect_eq "$2: notepad's text" "$text" "$1"
}

# With the pad open and notepad in front, the pad's keys never reach notepad:
# J held moves the pointer and types nothing, O shows the pad, Space clicks the
# target to the front without typing a space. Once Caps Lock closes the pad,
# typing reaches notepad again. (Caps Lock toggles the letters' case, so the
# text is compared in lower case.)
test_keyboard_pad_keys() {
    start_tarvesk
    # The target first: it takes the front as it starts, and notepad then takes it.
    peer_bg target "$(winpath "$TEST_DIR/target.log")" 60
    probe wait TarveskTarget 10 || fail "the target window did not appear"
    sleep 0.5
    start_notepad
    local x y
    read -r x y <<<"$NOTEPAD_AT"
    [ "$x" -le 180 ] || x=180 # left of the options form that start-up completion shows (640 wide, from 192)
    [ "$y" -le 600 ] || y=600 # above the target (630 to 760)
    type_into_notepad_at "$x" "$y" ab
    expect_eq "notepad in front" "$(probe foreground)" Notepad
    caps_lock_twice
    probe waitvisible Tkxm 3 || fail "the pad did not open (Tkxm: $(probe rect Tkxm))"
    pad_beside "$x" "$y"
    xdo keydown j sleep 0.12 keyup j || fail "xdotool J failed" # some 12 ticks of 10 ms: 22 to the edge
    sleep 0.2
    local px py
    eval "$(xdo getmouselocation --shell | sed -n 's/^X=/px=/p; s/^Y=/py=/p')"
    local moved=$((x - px))
    [ "$moved" -ge 16 ] || fail "J held 0.12 s moved the pointer $moved px ($(key_history))"
    notepad_text_settles ab "J held with the pad open"
    expect_eq "notepad still in front" "$(probe foreground)" Notepad
    pad_beside 500 700 # over the target
    xdo sleep 2.2 key space || fail "xdotool space failed"
    for _ in $(seq 20); do [ "$(probe foreground)" = TarveskTarget ] && break; sleep 0.1; done
    expect_eq "Space clicked the target to the front" "$(probe foreground)" TarveskTarget
    notepad_text_settles ab "O and Space with the pad open"
    xdo keydown Caps_Lock sleep 0.2 keyup Caps_Lock || fail "xdotool Caps Lock failed"
    for _ in $(seq 20); do [ "$(probe visible Tkxm)" = 0 ] && break; sleep 0.1; done
    expect_eq "Caps Lock closed the pad" "$(probe visible Tkxm)" 0
    pointer_to "$x" "$y"
    xdo click 1 sleep 0.3 type jk || fail "xdotool typing failed"
    notepad_text_settles abjk "typed after the pad closed"
}
