# Wine tests of standing aside: pause and the exclusion list (sourced by run.sh).

# The tray menu's pause item, "暂停", fifth from its end (before the
# exclusion list, the browser, the page list and the settings): the menu pops up at
# the icon's right button and Up from nothing selected starts at the last item.
tray_pause_item() {
    probe post TFormMain 32868 1006 517 || fail "cannot post the tray message"
    probe waitvisible '#32768' 5 || fail "no pop-up menu after the tray icon's right button"
    xdo key Up Up Up Up Up Return || fail "xdotool keys failed"
}

# aside_reads WHY: the stand-aside check says why it stands aside ("" when it acts).
aside_reads() { dump_field_within 3 pyoil asidewhy " text=\"$1\""; }

# lines_in_notepad COUNT WHAT: notepad holds COUNT lines within 2 s.
lines_in_notepad() {
    local _
    for _ in $(seq 40); do
        [ "$(probe childtext Notepad Edit | wc -l)" -ge "$1" ] && break
        sleep 0.05
    done
    expect_eq "$2: lines in notepad" "$(probe childtext Notepad Edit | wc -l)" "$1"
}

# echo_stays TEXT: half a second later the wheel dispatch's echo still reads TEXT.
echo_stays() {
    sleep 0.6
    local dump="$TEST_DIR/dump.txt"
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    expect_dump "$dump" lifeform Panel38 "text=\"$1\""
}

# In the auto wheel over notepad, the tray's pause item stops everything: a
# notch reaches no wheel dispatch, a right click is notepad's own (its context
# menu opens, no Enter); the bar says so. The same item resumes: the notch and
# the right button are the auto wheel's again.
test_pause_notepad() {
    start_tarvesk
    start_notepad
    local x y
    read -r x y <<<"$NOTEPAD_AT"
    pointer_to "$x" "$y"
    xdo click 1 sleep 0.3 type abc || fail "xdotool typing failed"
    lines_in_notepad 1 "before"
    select_mode mywheelslow "$x" $((y + 40)) "$x" $((y - 40))
    xdo click 5 || fail "xdotool click 5 failed"
    dump_field_within 3 lifeform Panel38 ' text=".....wwww"'

    tray_pause_item
    aside_reads pause
    expect_dump "$TEST_DIR/dump.txt" lifeform asidemess 'visible=1'
    expect_dump "$TEST_DIR/dump.txt" lifeform asidemess 'text="已暂停"'
    xdo click 4 || fail "xdotool click 4 failed"
    echo_stays ".....wwww"
    xdo click 3 || fail "xdotool click 3 failed"
    probe waitvisible '#32768' 3 >/dev/null || fail "paused, notepad's own context menu did not open"
    lines_in_notepad 1 "paused, right click"
    xdo key Escape || fail "xdotool Escape failed"
    sleep 0.3

    tray_pause_item
    aside_reads ""
    probe waitcaption Tlifeform mywheelslow 3 >/dev/null ||
        select_mode mywheelslow "$x" $((y + 40)) "$x" $((y - 40))
    xdo click 4 || fail "xdotool click 4 failed"
    dump_field_within 3 lifeform Panel38 ' text="///..wwww"'
    xdo click 3 || fail "xdotool click 3 failed"
    lines_in_notepad 2 "resumed, right click"
}

# Ctrl+Alt+P pauses, and resumes while every key passes the hook untouched.
test_pause_hot_key() {
    start_tarvesk
    xdo key ctrl+alt+p || fail "xdotool failed"
    aside_reads pause
    xdo key ctrl+alt+p || fail "xdotool failed"
    aside_reads ""
}

write_exclusions() { printf '# mine\r\nnotepad.exe\r\n' >"$1/exclude.txt"; }

# "notepad.exe" in the list: over notepad a notch and a right click are
# notepad's own, while the target window below still gets the auto wheel.
test_exclude_notepad() {
    start_tarvesk write_exclusions
    start_notepad
    probe place Notepad 20 240 480 360 || fail "cannot place notepad"
    local log="$TEST_DIR/target.log"
    peer_bg target "$(winpath "$log")" 60
    probe wait TarveskTarget 10 || fail "the target window did not appear"
    pointer_to 700 700
    xdo click 1 # the target in front
    select_mode mywheelslow 700 740 700 660
    : >"$log"
    xdo click 4 || fail "xdotool click 4 failed"
    expect_line "$log" "keydown 38" 3

    pointer_to 250 450
    aside_reads "exclude notepad.exe"
    : >"$log"
    xdo click 5 || fail "xdotool click 5 failed"
    echo_stays "///..wwww"
    if grep -q '^keydown' "$log"; then fail "a notch over notepad sent a key: $(tr '\n' '|' <"$log")"; fi
    xdo click 3 || fail "xdotool click 3 failed"
    probe waitvisible '#32768' 3 >/dev/null || fail "notepad's own context menu did not open"
    xdo key Escape || fail "xdotool Escape failed"

    pointer_to 700 700
    xdo sleep 0.3 click 1 # the target in front again: the right click brought notepad forward
    aside_reads ""
    select_mode mywheelslow 700 740 700 660 # the way back picked another wheel mode
    : >"$log"
    xdo click 5 || fail "xdotool click 5 failed"
    expect_line "$log" "keydown 40" 3
}
TESTS+=(pause_notepad pause_hot_key exclude_notepad)
