#!/usr/bin/env bash
# Starts or stops what the tests run on: the build tree's Wine prefix with its
# persistent server, and a virtual X display. Only this prefix's server and
# this run's display are touched.
#   test-env.sh start|stop [dpi]
# With a resolution other than 96 dpi, a second prefix of that resolution
# (wine-prefix-DPI) gets its server, and shares the default one's display.
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

dpi=${2:-96}
if [ "$dpi" != 96 ]; then
    export WINEPREFIX="$BUILD_DIR/wine-prefix-$dpi"
    case "${1:-}" in
    start)
        stop_server
        [ -f "$TEST_ENV_DIR/display" ] && DISPLAY=$(cat "$TEST_ENV_DIR/display") && export DISPLAY
        ensure_prefix "$dpi"
        start_server
        ;;
    stop) stop_server ;;
    *) echo "usage: $0 start|stop [dpi]" >&2; exit 2 ;;
    esac
    exit 0
fi

case "${1:-}" in
start)
    mkdir -p "$TEST_ENV_DIR"
    "$0" stop
    read -r display pid < <(start_xvfb)
    echo "$display" >"$TEST_ENV_DIR/display"
    echo "$pid" >"$TEST_ENV_DIR/xvfb.pid"
    export DISPLAY=$display
    ensure_prefix
    start_server
    ;;
stop)
    stop_server
    if [ -f "$TEST_ENV_DIR/xvfb.pid" ]; then
        kill "$(cat "$TEST_ENV_DIR/xvfb.pid")" 2>/dev/null || true
        rm -f "$TEST_ENV_DIR/xvfb.pid"
    fi
    rm -f "$TEST_ENV_DIR/display"
    ;;
*)
    echo "usage: $0 start|stop [dpi]" >&2
    exit 2
    ;;
esac
