# The README's screenshots, taken under Wine (sourced by run.sh; run by
# tools/screenshots, never in the default list). Each "test" leaves its
# pictures in SHOT_DIR.

# shot NAME [GEOMETRY]: the screen, or the part GEOMETRY (WxH+X+Y) of it.
shot() {
    local crop=()
    [ -z "${2:-}" ] || crop=(-crop "$2" +repage)
    import -window root "${crop[@]}" "${SHOT_DIR:?}/$1.png" || fail "no screenshot $1"
}

# The options form start-up completion shows is put away, as a user does.
hide_options_form() {
    probe place TFormMain -2000 0 10 10 >/dev/null 2>&1 || true
}

# The bar over notepad in each wheel mode: its top 40 pixels, and the whole
# screen once with notepad open.
test_shots_wheel_modes() {
    start_tarvesk
    start_notepad
    hide_options_form
    local width=${DESKTOP_SIZE%x*}
    select_mode mywheel0 400 700 500 700
    sleep 0.5
    shot screen-notepad
    shot bar-normal "${width}x40+0+0"
    select_mode mywheelquick 500 600 500 680
    sleep 0.5
    shot bar-quick "${width}x40+0+0"
    select_mode mywheelslow 500 700 500 620
    sleep 0.5
    shot bar-auto "${width}x40+0+0"
    select_mode mywheeltask 500 700 400 700
    sleep 0.5
    shot bar-task "${width}x40+0+0"
}

# The 3D pad, opened by the right button in the quick wheel over notepad.
test_shots_mouse_pad() {
    start_tarvesk
    start_notepad
    hide_options_form
    select_mode mywheelquick 300 400 300 480
    xdo click 3 || fail "xdotool click 3 failed"
    probe waitvisible Tm3d 3 || fail "the pad did not open"
    sleep 0.5
    read -r left top _ <<<"$(probe rect Tm3d)"
    shot mouse-pad "200x160+$((left - 68))+$((top - 48))"
}

# The task manager with two notepads, opened from the escape menu's task-bar
# strip (Panel11 at (12, 336) in the menu).
test_shots_task_manager() {
    start_tarvesk
    start_notepad
    start_notepad
    hide_options_form
    open_escape_menu_here
    local left top right bottom
    read -r left top _ <<<"$(probe rect Tescmenu)"
    pointer_to $((left + 26)) $((top + 338))
    probe waitvisible Ttaskform 5 >/dev/null || fail "the task manager did not open from the strip"
    sleep 1
    read -r left top right bottom <<<"$(probe rect Ttaskform)"
    shot task-manager "$((right - left))x$((bottom - top))+$left+$top"
}

# The escape menu: a left click, then Esc held.
test_shots_escape_menu() {
    start_tarvesk
    hide_options_form
    open_escape_menu_here
    sleep 0.5
    read -r left top right bottom <<<"$(probe rect Tescmenu)"
    shot escape-menu "$((right - left))x$((bottom - top))+$left+$top"
}

# The options form as start-up completion shows it, and the settings form.
test_shots_forms() {
    start_tarvesk
    probe waitvisible TFormMain 5 || fail "no options form"
    sleep 0.5
    read -r left top right bottom <<<"$(probe rect TFormMain)"
    shot options-form "$((right - left))x$((bottom - top))+$left+$top"
    # "设置...", the tray menu's last item.
    probe post TFormMain 32868 1006 517 || fail "cannot post the tray message"
    probe waitvisible '#32768' 5 || fail "no tray menu"
    xdo key Up Return || fail "xdotool keys failed"
    probe waitvisible Tsetform 5 || fail "no settings form"
    sleep 0.5
    read -r left top right bottom <<<"$(probe rect Tsetform)"
    shot settings-form "$((right - left))x$((bottom - top))+$left+$top"
}
