# Wine tests of monitors and DPI (sourced by run.sh).

# The program declares per-monitor DPI awareness in its manifest: Wine reports
# its status bar as a per-monitor aware window (2), where a program without the
# declaration is unaware (0). Every monitor Wine reports is logged; on the one
# monitor of the virtual desktop the 3D pad opens at the pointer at 96 DPI,
# 64 x 64, inside the monitor that holds the pointer.
test_monitors_dpi() {
    start_tarvesk
    local monitors
    monitors=$(probe monitors) || fail "the probe cannot list the monitors"
    echo "monitors: $(tr '\n' '|' <<<"$monitors")"
    [ -n "$monitors" ] || fail "Wine reports no monitor"
    expect_eq "status bar's DPI awareness" "$(probe awareness Tlifeform)" 2
    peer_bg target "$(winpath "$TEST_DIR/target.log")" 60
    probe wait TarveskTarget 10 || fail "the target window did not appear"
    pointer_to 500 700
    xdo click 1
    select_mode mywheelquick 500 600 500 680
    xdo click 3 || fail "xdotool click 3 failed"
    probe waitvisible Tm3d 3 || fail "the pad did not open"
    local l t r b inside=0 ml mt mr mb _
    read -r l t r b <<<"$(probe rect Tm3d)"
    expect_eq "pad size" "$((r - l)) $((b - t))" "64 64"
    while read -r ml mt mr mb _; do
        [ "$l" -ge "$ml" ] && [ "$t" -ge "$mt" ] && [ "$r" -le "$mr" ] && [ "$b" -le "$mb" ] && inside=1
    done <<<"$monitors"
    expect_eq "pad inside a monitor" "$inside" 1
}
