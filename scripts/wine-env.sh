# Shared settings for running the cross-built programs under Wine.
# Sourced by the other scripts; BUILD_DIR may be set before sourcing.
: "${BUILD_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
: "${WINEPREFIX:=$BUILD_DIR/wine-prefix}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono/Gecko install prompts
export WINEARCH=win64
TEST_ENV_DIR="$BUILD_DIR/test-env"
TOVRAND_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TOVRAND_EXE=$BUILD_DIR/app/Tovrand.exe

# Builds everything into BUILD_DIR: the preset's tree, or another one.
build_tree() {
    if [ "$BUILD_DIR" = "$TOVRAND_ROOT/build" ]; then
        (cd "$TOVRAND_ROOT" && cmake --preset windows >/dev/null && cmake --build --preset windows)
    else
        cmake -S "$TOVRAND_ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$TOVRAND_ROOT/cmake/mingw-w64-x86_64.cmake" \
            -DCMAKE_BUILD_TYPE=Release >/dev/null
        cmake --build "$BUILD_DIR" -j2
    fi
}

# Waits for Tovrand's windows and answers them (tests/e2e/TovrandRemote.cpp),
# printing what it found. Through a file: Wine's desktop process may inherit
# a pipe and hold it open.
remote() {
    local out rc=0
    out=$(mktemp)
    wine "$BUILD_DIR/tests/e2e/tovrand_remote.exe" "$@" >"$out" 2>/dev/null </dev/null || rc=$?
    tr -d '\r' <"$out"
    rm -f "$out"
    return $rc
}

# Translate a Unix path to the Windows one Wine shows (drive Z: is /).
win_path() {
    local p
    p=$(realpath -m "$1")
    printf 'Z:%s' "${p//\//\\}"
}

# Create the prefix once, with Wine's own virtual desktop so that hiding a
# window does not wait for a window manager that is not there.
ensure_prefix() {
    local dpi=${1:-96}
    if [ ! -f "$WINEPREFIX/.tovrand-ready" ]; then
        mkdir -p "$WINEPREFIX"
        # Made under the Japanese locale, so that its dialog fonts can show Japanese.
        LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wineboot -i >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 </dev/null
        wineserver -w
        touch "$WINEPREFIX/.tovrand-ready"
    fi
    # Wine draws the title-bar buttons with Marlett, which it does not find by
    # itself here (they show as "0 1 r"): give the prefix Wine's own copy.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    [ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
}

# A persistent server makes each program start take 0.1 s instead of 3 s.
# Its output goes nowhere: a runner reading a pipe would otherwise wait for it.
start_server() {
    wineserver -p >/dev/null 2>&1 </dev/null
}

stop_server() {
    wineserver -k >/dev/null 2>&1 </dev/null || true
}

# A virtual X display for the windows; prints its name.
start_xvfb() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    local pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    echo ":$n $pid"
}
