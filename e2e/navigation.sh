# Wine tests of the navigation panel, the sibling's inbox and the default
# browser taking addresses when the sibling is missing (sourced by run.sh).

# The user's Favorites folder in the prefix: the parent of the desktop folder
# (C:\users\NAME\Desktop) + \Favorites.
favorites_dir() {
    local user
    user=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public -printf '%f\n' | head -n 1)
    [ -n "$user" ] || fail "no user folder in the prefix"
    printf '%s' "$WINEPREFIX/drive_c/users/$user/Favorites"
}

FAVOURITE_NAME="tarvesk-e2e.url"
FAVOURITE_ADDRESS="http://favourite.example/wine?a=1&b=2"
# Where the navigation panel is put for the test: clear of the status bar.
NAVIGATION_AT="100 220"

# A shortcut file in the prefix's Favorites, of the current kind ("Prop3" on
# its second line, the address on a "URL=" line further down).
put_favourite() {
    local dir
    dir=$(favorites_dir)
    mkdir -p "$dir"
    printf '[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n[InternetShortcut]\r\nIDList=\r\nURL=%s\r\n' \
        "$FAVOURITE_ADDRESS" >"$dir/$FAVOURITE_NAME"
}

remove_favourite() { rm -f "$(favorites_dir)/$FAVOURITE_NAME"; }

# The shortcut in the prefix's Favorites is listed by the navigation panel
# (dump); pointing at its line and clicking sends "vykgonewurl=" and its
# address to the (fake) sibling, and the panel hides.
test_navigation_favourite() {
    put_favourite
    trap remove_favourite EXIT
    start_tarvesk
    local log="$TEST_DIR/sibling.log" left top line=-1 i
    peer_bg fakesibling "$(winpath "$log")" 60
    probe wait TApplication 10 || fail "the fake sibling did not start"
    dump_field_within 5 vykForm3 FileListBox1 "$FAVOURITE_NAME"
    # The favourite's line: the list is sorted by name.
    line=$(dump_line "$TEST_DIR/dump.txt" vykForm3 FileListBox1 | sed -n 's/.*items=\[\(.*\)\].*/\1/p' |
        tr ',' '\n' | grep -nF "\"$FAVOURITE_NAME\"" | cut -d: -f1)
    [ -n "$line" ] || fail "the favourite's line not found"
    read -r left top <<<"$NAVIGATION_AT"
    probe place TvykForm3 "$left" "$top" 700 500 || fail "cannot place the navigation panel"
    # The favourites list lies at (30, 59) in the panel, 16 pixels a line.
    pointer_to $((left + 60)) $((top + 59 + (line - 1) * 16 + 8))
    sleep 0.3
    pointer_to $((left + 61)) $((top + 59 + (line - 1) * 16 + 8))
    sleep 0.3
    xdo click 1 || fail "xdotool click failed"
    expect_line "$log" "vykgonewurl=$FAVOURITE_ADDRESS" 5
    for i in $(seq 12); do read -r left _ <<<"$(probe rect TvykForm3)"; [ "$left" -lt 0 ] && break; sleep 0.25; done
    [ "$left" -lt 0 ] || fail "the navigation panel did not hide (left $left)"
}

# The sibling's "url=" request in the command cell is taken by a right release
# in the task wheel while the sibling is in front: answered "ok--curl", the
# address in the navigation panel's address box.
test_sibling_url() {
    start_tarvesk
    local log="$TEST_DIR/sibling.log" at
    peer_bg fakesibling "$(winpath "$log")" 60
    probe wait Tvykombrel 10 || fail "the fake sibling did not start"
    probe place Tvykombrel 0 300 1024 468 || fail "cannot place the sibling's frame"
    pointer_to 500 700
    xdo click 1 || fail "xdotool click failed"
    for at in $(seq 12); do [ "$(probe foreground)" = Tvykombrel ] && break; sleep 0.25; done
    expect_eq "in front" "$(probe foreground)" Tvykombrel
    select_mode mywheeltask 500 700 400 700
    wait_lines "$log" 1 10
    at=$(line_count "$log")
    probe setcaption Tregform "url=http://sibling.example/page" || fail "cannot set the Tregform caption"
    xdo click 3 || fail "xdotool click 3 failed"
    expect_line "$log" "ok--curl" 5 "$at"
    dump_field_within 5 vykForm3 Edit2 'text="http://sibling.example/page"'
}

# --- without the sibling: the default browser --------------------------------------

# The shell opens http and https addresses with argvlog (a stand-in for the
# default browser that logs its arguments to argv.log beside it). The
# machine-wide classes are exported first and put back when the test ends.
BROWSER_CLASSES=(http https)

fake_default_browser() {
    local browser_dir=$1 cls
    cp "$PEERS/argvlog.exe" "$browser_dir/" || fail "no argvlog peer"
    for cls in "${BROWSER_CLASSES[@]}"; do
        bounded 30 wine reg export "HKLM\\Software\\Classes\\$cls" "$(winpath "$TEST_DIR/$cls.reg")" /y >/dev/null 2>&1
        bounded 30 wine reg add "HKLM\\Software\\Classes\\$cls\\shell\\open\\command" /ve /f \
            /d "\"$(winpath "$browser_dir/argvlog.exe")\" \"%1\"" >/dev/null 2>&1 || fail "cannot register the fake browser"
        bounded 30 wine reg add "HKCU\\Software\\Classes\\$cls\\shell\\open\\command" /ve /f \
            /d "\"$(winpath "$browser_dir/argvlog.exe")\" \"%1\"" >/dev/null 2>&1 || fail "cannot register the fake browser"
    done
    trap restore_default_browser EXIT
}

restore_default_browser() {
    local cls
    for cls in "${BROWSER_CLASSES[@]}"; do
        bounded 30 wine reg delete "HKCU\\Software\\Classes\\$cls" /f >/dev/null 2>&1
        [ -s "$TEST_DIR/$cls.reg" ] || continue
        bounded 30 wine reg delete "HKLM\\Software\\Classes\\$cls" /f >/dev/null 2>&1
        bounded 30 wine reg import "$(winpath "$TEST_DIR/$cls.reg")" >/dev/null 2>&1
    done
}

# search_in_escape_menu TEXT: Esc opens the menu, TEXT is typed into its search
# box (at (60, 286) in the menu) and Enter pressed.
search_in_escape_menu() {
    open_escape_menu_here
    local left top _
    read -r left top _ <<<"$(probe rect Tescmenu)"
    pointer_to $((left + 80)) $((top + 296))
    sleep 0.3
    xdo click 1 || fail "xdotool click on the search box failed"
    sleep 0.3
    # The box keeps its text (first "搜索上网"): Backspace empties it.
    xdo key --delay 5 --repeat 60 BackSpace && xdo type --delay 20 "$1" && xdo key Return || fail "xdotool typing failed"
}

# The records of argv.log: one "count=" line per start of the fake browser.
browser_starts() { grep -c '^count=' "$1" 2>/dev/null || echo 0; }

SEARCH_WORDS="weather report"
SEARCH_ADDRESS="https://www.baidu.com/s?ie=utf-8&wd=weather%20report"
# Texts that must never reach the shell.
REFUSED_TEXTS=("file:///C:/windows/notepad.exe" "javascript:alert(1)" 'C:\windows\notepad.exe')

# No "ombrel.exe" beside the program: the escape menu's search opens one https
# search address in the default browser; a file: address, a script or a
# program path typed there never reaches the shell (no browser start, no notepad).
test_default_browser_search() {
    local browser_dir="$TEST_DIR/browser" log text i
    mkdir -p "$browser_dir"
    log="$browser_dir/argv.log"
    fake_default_browser "$browser_dir"
    start_tarvesk
    [ ! -e "$APP_DIR/ombrel.exe" ] || fail "the sibling is in dist/"
    for text in "${REFUSED_TEXTS[@]}"; do
        search_in_escape_menu "$text"
        sleep 1.5
        expect_eq "browser starts after \"$text\"" "$(browser_starts "$log")" 0
        ! probe wait Notepad 0.5 >/dev/null || fail "\"$text\" started notepad"
    done
    search_in_escape_menu "$SEARCH_WORDS"
    for i in $(seq 40); do [ "$(browser_starts "$log")" -ge 1 ] && break; sleep 0.25; done
    expect_eq "browser starts" "$(browser_starts "$log")" 1
    expect_eq "browser arguments" "$(grep -v '^count=\|^end$' "$log" | tr -d '\r')" "arg=$SEARCH_ADDRESS"
}

TESTS+=(navigation_favourite sibling_url default_browser_search)
