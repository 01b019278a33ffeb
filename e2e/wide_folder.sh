# shellcheck shell=bash
# The program in a folder whose name has characters outside code page 936.

# Started from "…/Zoë Tarvesk", the program loads wrhk.dll from there (a key
# reaches the key history), reads its class table there and writes it back
# there at the end, and the shell verbs it registers name the real folder.
test_wide_folder() {
    APP_DIR="$(mktemp -d "$E2E_TMP/wide.XXXXXX")/Zoë Tarvesk"
    mkdir -p "$APP_DIR" && cp -r "$DIST"/. "$APP_DIR"/ || fail "cannot copy the program to $APP_DIR"
    ime_table_with_wine "$APP_DIR"
    start_program "$APP_DIR"
    await_window "$LAST_FORM"
    probe waitvisible TFormMain "$STARTUP_SECONDS" || fail "start-up completion did not show TFormMain"
    xdo key a || fail "xdotool key failed"
    dump_field_within 3 kxm ListBox1 '"key--65"'
    dump_field_within 3 inputmode Panel5 'text="WineComp"'
    local lock
    lock=$(reg_export_text 'HKCU\Software\Classes\AllFilesystemObjects\shell')
    grep -qF 'Zoë Tarvesk\\jmdata.exe' <<<"$lock" || fail "加密保存 does not name the real folder: $lock"
    probe close Tpyoil || fail "no Tpyoil window to close"
    await_program_exit 5 || fail "still running 5 s after WM_CLOSE"
    expect_eq "ime.txt after the run" "$(od -An -c "$APP_DIR/ime.txt" | tr -s ' \n' ' ')" \
        "$(printf 'Wine XIM\r\nWineComp\r\n' | od -An -c | tr -s ' \n' ' ')"
    find "$APP_DIR/.." -name '*tmp' | grep -q . && fail "a temporary file was left: $(ls -R "$APP_DIR/..")"
    return 0
}
