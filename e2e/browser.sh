# shellcheck shell=bash
# Wine tests of the browser form (sourced by run.sh). Wine here has no HTML
# engine, so the web control cannot be made: these tests check what the form
# does without it; its pages and pop-ups are tested on the simulated desktop.

# form | control | what the dump shows once the engine has run a while
BROWSER_DUMP_CASES=(
    "ombrel|PageControl1|left=0"
    "ombrel|PageControl1|width=${DESKTOP_SIZE%x*}"
    "ombrel|PageControl1|height=${DESKTOP_SIZE#*x}"
    "ombrel|PageControl1|items=[]"
    "ombrel|Panel3|left=-2000"
    "ombrel|topStrip|left=-1000"
    "ombrel|bottomStrip|left=-1000"
)

# Without the web control the strips are not made, the page area covers the
# screen with no page, the page panel waits off the screen, and the engine's
# browser housekeeping runs on every tick; the program still ends cleanly.
test_browser_no_web_control() {
    start_tarvesk
    local dump="$TEST_DIR/dump.txt" entry form rest ticks
    sleep 2
    probe dump "$(winpath "$dump")" || fail "no diagnostics dump"
    for entry in "${BROWSER_DUMP_CASES[@]}"; do
        form=${entry%%|*} rest=${entry#*|}
        expect_dump "$dump" "$form" "${rest%%|*}" "${rest#*|}"
    done
    ticks=$(grep -o 'timing mode_engine ticks=[0-9]*' "$dump" | grep -o '[0-9]*$')
    [ "${ticks:-0}" -ge 10 ] || fail "the mode engine ran ${ticks:-0} ticks"
    probe close Tpyoil || fail "no Tpyoil window to close"
    await_program_exit 5 || fail "still running 5 s after WM_CLOSE"
    expect_eq "exit code" "$EXIT_CODE" 0
}
