# shellcheck shell=bash
# The release zip (cmake --build --preset win64 --target package).

# Unzipped into a fresh folder, away from the build tree, the program starts,
# reaches start-up completion and loads its hook library from there.
test_package() {
    local zip
    zip=$(ls "$BUILD"/Tarvesk-*-win64.zip 2>/dev/null | head -1)
    [ -n "$zip" ] || fail "no Tarvesk-*-win64.zip in $BUILD (build the package target first)"
    local unzipped="$E2E_TMP/unzipped"
    mkdir -p "$unzipped" && (cd "$unzipped" && cmake -E tar xf "$zip") || fail "cannot unzip $zip"
    APP_DIR=$(ls -d "$unzipped"/Tarvesk-*-win64)
    [ -f "$APP_DIR/Tarvesk.exe" ] && [ -f "$APP_DIR/wrhk.dll" ] || fail "the zip holds no Tarvesk.exe and wrhk.dll: $(ls "$APP_DIR")"
    start_program "$APP_DIR"
    await_window "$LAST_FORM"
    probe waitvisible TFormMain "$STARTUP_SECONDS" || fail "start-up completion did not show TFormMain"
    xdo key a || fail "xdotool key failed"
    dump_field_within 3 kxm ListBox1 '"key--65"'
}
