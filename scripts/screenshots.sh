#!/usr/bin/env bash
# Makes the pictures in docs/: the window during a walk, the usage box and the
# three outcome boxes, each cropped to the window and box on a virtual display.
#   bash scripts/screenshots.sh
# BUILD_DIR picks another build tree (default: build, the preset's).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
export BUILD_DIR=${BUILD_DIR:-$root/build}
docs=$root/docs
mkdir -p "$docs"

# Its own prefix and display, so the pictures do not depend on the user's.
export WINEPREFIX=$BUILD_DIR/wine-prefix-shots
source scripts/wine-env.sh
build_tree
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
read -r DISPLAY xvfb_pid < <(start_xvfb)
export DISPLAY
work=$(mktemp -d /tmp/tovrand-shots.XXXXXX)
tovrand_pid=
cleanup() {
    [ -n "$tovrand_pid" ] && kill "$tovrand_pid" 2>/dev/null
    stop_server
    kill "$xvfb_pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
    return 0
}
trap cleanup EXIT
ensure_prefix
start_server

start() {
    wine "$TOVRAND_EXE" "$@" >/dev/null 2>&1 </dev/null &
    tovrand_pid=$!
}
finish() {
    wait "$tovrand_pid" || true
    tovrand_pid=
}
# Crops a screenshot to the union of rectangles ("left top width height"),
# with a small margin.
shoot() {
    local out=$1; shift
    local l=100000 t=100000 r=0 b=0 x y w h
    for rect in "$@"; do
        read -r x y w h <<<"$rect"
        (( x < l )) && l=$x; (( y < t )) && t=$y
        (( x + w > r )) && r=$((x + w)); (( y + h > b )) && b=$((y + h))
    done
    l=$((l > 4 ? l - 4 : 0)) t=$((t > 4 ? t - 4 : 0)) r=$((r + 4)) b=$((b + 4))
    import -window root "$work/full.png"
    convert "$work/full.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$out"
    echo "made ${out#"$root"/}"
}
box_rect() {
    remote wait-box 30000 | head -n 1
}

# Usage: no arguments.
start
shoot "$docs/usage.png" "$(box_rect)"
remote press-ok; finish

# The window during a long walk deep enough that its path is shortened.
deep="$work/Documents/2026/reports/archive"
mkdir -p "$deep"
(cd "$deep" && for i in $(seq -w 1 3000); do : >"report$i.txt"; done && chmod a-w ./*)
start "$(win_path "$work/Documents")"
window=$(remote wait-window 30000)
remote wait-label 30000 >/dev/null
sleep 0.5
shoot "$docs/window.png" "$window"

# Cancelled: Cancel pressed during that walk.
remote press-cancel
shoot "$docs/cancelled.png" "$window" "$(box_rect)"
remote press-ok; finish

# Completed: a small folder.
mkdir -p "$work/small"
: >"$work/small/readonly.txt"; chmod a-w "$work/small/readonly.txt"
start "$(win_path "$work/small")"
window=$(remote wait-window 30000)
shoot "$docs/completed.png" "$window" "$(box_rect)"
remote press-ok; finish

# Failed: a target that does not exist.
start "$(win_path "$work/missing")"
window=$(remote wait-window 30000)
shoot "$docs/failed.png" "$window" "$(box_rect)"
remote press-ok; finish
