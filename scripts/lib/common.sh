# Shared by the scripts: paths, the two build trees and a private Wine session.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"
NATIVE_BUILD="$BUILD/native"
WINDOWS_BUILD="$BUILD/windows"
JOBS=$(nproc)

ensure_setup() {
    "$ROOT/scripts/setup.sh" --check || "$ROOT/scripts/setup.sh"
}

configure_windows() {
    cmake -S "$ROOT" -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >/dev/null
}

configure_and_build_windows() {
    configure_windows
    cmake --build "$WINDOWS_BUILD" -j "$JOBS"
}

# What a user runs and nothing else: the program (with the keyboard-hook library it carries),
# the plug-in library and the help file beside them.
configure_and_build_program() {
    configure_windows
    cmake --build "$WINDOWS_BUILD" -j "$JOBS" --target Tavrilo Tavrilink help_file
}

# The plug-in library alone, for the 32-bit host programs that load it.
configure_and_build_plugin32() {
    cmake -S "$ROOT" -B "$BUILD/windows32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-i686.cmake" -DTAVRILO_PLUGIN_ONLY=ON >/dev/null
    cmake --build "$BUILD/windows32" -j "$JOBS"
}

configure_and_build_native() {
    # The benchmarks are built (not run) here too, so that they keep compiling.
    cmake -S "$ROOT" -B "$NATIVE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRILO_BENCH=ON >/dev/null
    cmake --build "$NATIVE_BUILD" -j "$JOBS"
}

STARTED_XVFB_PID=""

# Starts a private Xvfb on a display it picks itself and exports DISPLAY.
start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    STARTED_XVFB_PID=$!
    local n
    read -r -t 20 n <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$n" ]; then
        echo "xvfb: could not start a display" >&2
        return 1
    fi
    export DISPLAY=":$n"
}

# Forms are also tested at 144 DPI, in a second prefix: Wine takes the DPI from the prefix's
# registry, and the tests running at the same time share the main prefix.
DPI144_PREFIX="$WINDOWS_BUILD/wineprefix-144"

# The tests' own prefixes; nothing but the tests runs in them.
TEST_PREFIX="$WINDOWS_BUILD/wineprefix"

# Wine as both the program and the tests run it: ANSI code page 1252, no offer to download
# Mono or Gecko, no desktop menu entries or file types written into the user's home.
wine_common_env() {
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${1:-}"
    export LANG=en_US.UTF-8 LC_ALL=
}

# Creates the prefix WINEPREFIX names, 64-bit, when it does not exist yet.
ensure_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: creating prefix $WINEPREFIX"
        WINEARCH=win64 wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
}

# The prefix the user keeps their Windows programs in: the one WINEPREFIX names, else Wine's
# default. The program's settings live there, so the tests' prefixes are refused.
setup_user_wine_env() {
    export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
    case "$WINEPREFIX" in
    "$TEST_PREFIX"*)
        echo "run: WINEPREFIX names a test prefix ($WINEPREFIX); unset it or name your own" >&2
        return 1
        ;;
    esac
    wine_common_env
    ensure_prefix
    if grep -q '^#arch=win32' "$WINEPREFIX/system.reg" 2>/dev/null; then
        echo "run: $WINEPREFIX is a 32-bit prefix and Tavrilo is a 64-bit program;" \
            "set WINEPREFIX to a 64-bit one" >&2
        return 1
    fi
}

# Private Wine prefixes inside the build tree, created once.
setup_wine_env() {
    export WINEPREFIX="$TEST_PREFIX"
    # No debugger: a crashing test ends at once instead of waiting for its time-out.
    wine_common_env ";winedbg.exe=d"
    ensure_prefix
    if [ ! -d "$DPI144_PREFIX" ]; then
        create_dpi144_prefix || return 1
    fi
    manage_windows "$WINEPREFIX" &
    local managing=$!
    manage_windows "$DPI144_PREFIX"
    wait "$managing"
    serve_prefix "$DPI144_PREFIX" &
    local dpi144_serving=$!
    serve_prefix "$WINEPREFIX"
    wait "$dpi144_serving"
}

# A copy of the ready main prefix (a third of the time of a new wineboot) with the Windows
# setting for 144 DPI. It is made under another name first, so that an interrupted copy is
# never taken for a ready prefix.
create_dpi144_prefix() {
    echo "wine: creating prefix $DPI144_PREFIX"
    local draft="$DPI144_PREFIX.draft"
    rm -rf "$draft"
    cp -a "$WINEPREFIX" "$draft"
    if ! WINEPREFIX="$draft" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
        /t REG_DWORD /d 144 /f >/dev/null 2>&1 </dev/null; then
        echo "wine: could not set 144 DPI in $draft" >&2
        return 1
    fi
    WINEPREFIX="$draft" wineserver -w
    mv "$draft" "$DPI144_PREFIX"
}

# On a private Xvfb display no window manager runs, and Wine would wait 2 s for one at every
# window it hides or destroys: there (STARTED_XVFB_PID set) Wine places its windows itself. On
# the user's own display the window manager frames them as usual. The value is written only
# when it changes.
manage_windows() {
    local wanted=Y
    [ -n "$STARTED_XVFB_PID" ] && wanted=N
    grep -q "^\"Managed\"=\"$wanted\"" "$1/user.reg" 2>/dev/null && return 0
    WINEPREFIX="$1" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ \
        /d "$wanted" /f >/dev/null 2>&1 </dev/null || true
    # Lets the server store it; bounded, in case another run keeps a server of this prefix.
    WINEPREFIX="$1" timeout 20 wineserver -w || true
}

# Keeps one server for the whole run so each test process starts quickly, and starts Wine's own
# background services now: started by a test, they would inherit its output pipe and keep CTest
# waiting for the end of that output. The RPC service is one of them: a socket whose connection
# is refused starts it.
serve_prefix() {
    WINEPREFIX="$1" wineserver -p >/dev/null 2>&1 || true
    WINEPREFIX="$1" wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
    WINEPREFIX="$1" wine net start RpcSs >/dev/null 2>&1 </dev/null || true
}

# Test runs only: one process in each prefix that holds the desktop for the whole run (see
# tests/helpers/win32/DesktopKeeper.cpp). `wineserver -k` ends it with the rest.
keep_desktops() {
    local keeper="$WINDOWS_BUILD/bin/desktop_keeper.exe"
    wine "$keeper" >/dev/null 2>&1 </dev/null &
    WINEPREFIX="$DPI144_PREFIX" wine "$keeper" >/dev/null 2>&1 </dev/null &
}

stop_wine_and_xvfb() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$DPI144_PREFIX" wineserver -k >/dev/null 2>&1 || true
    fi
    stop_xvfb
}

stop_xvfb() {
    if [ -n "$STARTED_XVFB_PID" ]; then
        kill "$STARTED_XVFB_PID" >/dev/null 2>&1 || true
        wait "$STARTED_XVFB_PID" 2>/dev/null || true
        STARTED_XVFB_PID=""
    fi
}
