# shellcheck shell=bash
# Harness for the Wine end-to-end tests: sourced by run.sh and bench-hook.sh.
#
# What it sets up, once per script:
#   - an Xvfb server on the first free display (Wine needs X to create windows);
#   - a Wine prefix cached in build/wineprefix (created by `wineboot -i` on first
#     use, ~10 s, then reused), with one shared virtual desktop "Default" of
#     1024x768 so that every Wine process shares one desktop (FindWindow sees the
#     windows of other processes, and every xdotool pointer event reaches Wine),
#     and no crash dialog;
#   - the peer programs: build/<build>/peers/*.exe when the cmake build made them,
#     otherwise compiled here with MinGW into build/e2e-scratch/peers;
#   - the fake hook component (e2e/fakehook/*.cpp), always compiled here as a DLL
#     into build/e2e-scratch/fakehook/<name>/wrhk.dll (cmake builds peers as
#     programs, and this one must be a library).
# and a cleanup trap (wineserver -k, Xvfb killed, temporary folders removed)
# that runs however the script ends.
#
# Every test runs a fresh copy of dist/ in its own temporary folder, started
# in the background as `wine Tarvesk.exe` while the desktop is up (see
# start_program for why not through explorer), and ends with stop_wine.
# Every wait is bounded; nothing is left running.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$E2E_DIR/.." && pwd)
SCRATCH=${TARVESK_E2E_SCRATCH:-$ROOT/build/e2e-scratch}

export WINEPREFIX=${TARVESK_WINEPREFIX:-$ROOT/build/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Command-line arguments reach Wine programs as UTF-8.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

MINGW_CXX=x86_64-w64-mingw32-g++-posix
PEER_FLAGS=(-std=c++20 -static -O2 -municode -Wall -Wextra)
DESKTOP_SIZE=1024x768

XVFB_PID=
E2E_TMP=
PROGRAM_PID=
BACKGROUND_PIDS=()

log() { printf '%s\n' "$*" >&2; }
die() { log "e2e: $*"; exit 2; }

# Runs a command with a time limit; SIGKILL 5 s after the limit if it hangs.
bounded() { local seconds=$1; shift; timeout -k 5 "$seconds" "$@"; }

# --- Xvfb ---------------------------------------------------------------------

start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${DESKTOP_SIZE}x24" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local _
        for _ in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && return 0
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    done
    die "no free X display for Xvfb"
}

# --- Wine prefix -----------------------------------------------------------------

wine_reg_add() { bounded 60 wine reg add "$@" /f >/dev/null 2>&1; }

prepare_prefix() {
    local ready="$WINEPREFIX/.tarvesk-e2e-ready"
    [ -f "$ready" ] && return 0
    log "e2e: creating the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    bounded 180 wineboot -i >/dev/null 2>&1 || die "wineboot -i failed"
    wine_reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default || die "registry: desktop"
    wine_reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$DESKTOP_SIZE" || die "registry: size"
    wine_reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 || die "registry: crash dialog"
    bounded 60 wineserver -w
    touch "$ready"
}

# A Unix path as the Windows programs see it (drive Z: is the Unix root).
winpath() { local p; p=$(realpath -m "$1"); printf 'Z:%s' "${p//\//\\}"; }

# --- peers -------------------------------------------------------------------------

# Compiles one source into an output unless the output is newer than its sources.
compile_if_stale() {
    local out=$1 src=$2; shift 2
    if [ -f "$out" ] && [ "$out" -nt "$src" ] && [ "$out" -nt "$E2E_DIR/peers/peer.h" ]; then
        return 0
    fi
    mkdir -p "$(dirname "$out")"
    bounded 300 "$MINGW_CXX" "${PEER_FLAGS[@]}" "$@" -o "$out" "$src" -luser32 -lgdi32 -lkernel32 -lshell32 \
        || die "cannot compile $src"
}

# PEERS: the folder holding probe.exe, fakesibling.exe and target.exe.
find_peers() {
    local build=$1 p
    PEERS="$build/peers"
    for p in probe fakesibling target; do
        [ -f "$PEERS/$p.exe" ] && continue
        PEERS="$SCRATCH/peers"
        break
    done
    if [ "$PEERS" = "$SCRATCH/peers" ]; then
        for p in "$E2E_DIR"/peers/*.cpp; do
            compile_if_stale "$PEERS/$(basename "$p" .cpp).exe" "$p"
        done
    fi
}

# Prints the folder holding the fake hook component built from e2e/fakehook/NAME.cpp.
fake_hook_dir() {
    local name=$1 dir="$SCRATCH/fakehook/$1"
    compile_if_stale "$dir/wrhk.dll" "$E2E_DIR/fakehook/$name.cpp" -shared
    printf '%s' "$dir"
}

# --- Wine processes -------------------------------------------------------------

# Runs a peer in the foreground, bounded (its own time limits are shorter).
# Wine's own complaints go to a log, not into the test's output.
peer() { local name=$1; shift; bounded 60 wine "$PEERS/$name.exe" "$@" 2>>"$E2E_TMP/wine.log"; }
probe() { peer probe "$@"; }

# peer_bg_to OUT NAME ARGS...: starts a peer in the background, its output going to OUT.
peer_bg_to() {
    local out=$1 name=$2; shift 2
    bounded 120 wine "$PEERS/$name.exe" "$@" >"$out" 2>/dev/null &
    BACKGROUND_PIDS+=("$!")
}

peer_bg() { peer_bg_to /dev/null "$@"; }

# The shared virtual desktop, without a program in it.
start_desktop() {
    bounded 300 wine explorer "/desktop=Default,$DESKTOP_SIZE" >/dev/null 2>&1 &
    BACKGROUND_PIDS+=("$!")
}

# Copies dist/ into a fresh folder and prints that folder.
fresh_app_dir() {
    local dir
    dir=$(mktemp -d "$E2E_TMP/app.XXXXXX")
    cp -r "$DIST"/. "$dir"/
    printf '%s' "$dir"
}

# Starts Tarvesk.exe from APP_DIR in the background, in the shared desktop.
# The program runs as a direct child of this shell, so `wait $PROGRAM_PID` gives
# its exit code; `wine explorer /desktop=... Tarvesk.exe` would not (that explorer
# ends with 0 whatever the program's exit code). The program's windows go to the
# desktop "Default" by the registry setting of prepare_prefix.
start_program() {
    local app_dir=$1; shift
    start_desktop
    (cd "$app_dir" && exec timeout -k 5 300 wine ./Tarvesk.exe "$@" >/dev/null 2>&1) &
    PROGRAM_PID=$!
}

# Waits up to SECONDS for the program to end and sets EXIT_CODE to its exit
# code, or to "running". (Not for $(...): only this shell can wait for its child.)
# shellcheck disable=SC2034 # EXIT_CODE is read by the scripts that source this file
await_program_exit() {
    local seconds=$1 deadline
    deadline=$(($(date +%s%N) + seconds * 1000000000))
    EXIT_CODE=running
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        [ "$(date +%s%N)" -ge "$deadline" ] && return 1
        sleep 0.02
    done
    EXIT_CODE=0
    wait "$PROGRAM_PID" || EXIT_CODE=$?
    PROGRAM_PID=
}

# Ends every Wine process of the prefix and reaps the background jobs.
stop_wine() {
    bounded 30 wineserver -k >/dev/null 2>&1
    bounded 30 wineserver -w >/dev/null 2>&1
    local pid
    for pid in "${BACKGROUND_PIDS[@]}" $PROGRAM_PID; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    BACKGROUND_PIDS=()
    PROGRAM_PID=
}

# --- xdotool -------------------------------------------------------------------

xdo() { bounded 30 xdotool "$@"; }

# Moves the pointer as the user would (the hook sees a real move).
pointer_to() { xdo mousemove "$1" "$2"; }

# --- set-up and clean-up -------------------------------------------------------

cleanup() {
    stop_wine
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    if [ -n "${TARVESK_E2E_KEEP:-}" ]; then
        log "e2e: kept $E2E_TMP"
    elif [ -n "$E2E_TMP" ]; then
        rm -rf "$E2E_TMP"
    fi
}

# e2e_init BUILD: everything the tests need, with the cleanup trap in place.
e2e_init() {
    local build=$1
    BUILD=$(realpath -m "$build")
    DIST="$BUILD/dist"
    command -v wine >/dev/null || die "wine is not installed"
    command -v Xvfb >/dev/null || die "Xvfb is not installed"
    command -v xdotool >/dev/null || die "xdotool is not installed"
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    E2E_TMP=$(mktemp -d /tmp/tarvesk-e2e.XXXXXX)
    find_peers "$BUILD"
    start_xvfb
    prepare_prefix
}
