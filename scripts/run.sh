#!/usr/bin/env bash
# Builds Tovrand.exe and runs it under Wine on the given paths; without paths,
# on a demo tree whose attributes are listed before and after.
#   bash scripts/run.sh [paths...]
# Uses the user's display when there is one; otherwise a virtual display, with
# screenshots of the window and the outcome box, and the box answered here.
# BUILD_DIR picks another build tree (default: build, the preset's).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
export BUILD_DIR=${BUILD_DIR:-$root/build}

# A prefix of its own, so that stopping its server at the end touches nobody else.
export WINEPREFIX=$BUILD_DIR/wine-prefix-run
source scripts/wine-env.sh
build_tree
# Code page 932: the program's texts and paths are Shift-JIS.
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

xvfb_pid=
demo=
tovrand_pid=
cleanup() {
    [ -n "$tovrand_pid" ] && kill "$tovrand_pid" 2>/dev/null
    stop_server
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    if [ -n "$demo" ]; then
        chmod -R u+w "$demo" 2>/dev/null
        rm -rf "$demo"
    fi
    return 0
}
trap cleanup EXIT

headless=
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    read -r DISPLAY xvfb_pid < <(start_xvfb)
    export DISPLAY
fi
ensure_prefix
start_server

# One line per entry: R(ead-only) H(idden) S(ystem) D(irectory) as Wine sees them.
list_attributes() {
    local base=$1 path flags mode dos
    while IFS= read -r -d '' path; do
        mode=$(stat -c %a "$path")
        dos=$(getfattr -n user.DOSATTRIB --only-values "$path" 2>/dev/null | tr -d '\0' || true)
        [[ $dos =~ ^0x[0-9a-fA-F]+$ ]] || dos=0
        flags=
        (( (8#$mode & 8#222) == 0 )) && flags+=R || flags+=-
        (( dos & 0x2 )) && flags+=H || flags+=-
        (( dos & 0x4 )) && flags+=S || flags+=-
        [ -d "$path" ] && flags+=D || flags+=-
        [ "$path" = "$base" ] && path=. || path=${path#"$base"/}
        printf '  %s  %s\n' "$flags" "$path"
    done < <(find "$base" -print0 | sort -z)
}

# Read-only files and folders (the write bits), hidden and system entries
# (Wine keeps them in user.DOSATTRIB), Japanese names and a blank in a name.
make_demo() {
    local d=$1
    mkdir -p "$d/My Folder" "$d/読み取り専用フォルダ" "$d/日本語フォルダ" "$d/system folder"
    touch "$d/readonly.txt" "$d/writable.txt" "$d/hidden.txt" "$d/My Folder/報告書.txt" \
        "$d/読み取り専用フォルダ/inside.txt" "$d/日本語フォルダ/表.txt" "$d/system folder/kept.txt"
    chmod a-w "$d/readonly.txt" "$d/hidden.txt" "$d/My Folder/報告書.txt" \
        "$d/読み取り専用フォルダ/inside.txt" "$d/日本語フォルダ/表.txt" "$d/system folder/kept.txt"
    chmod a-w "$d/読み取り専用フォルダ" "$d/My Folder" "$d"
    # Quoted: setfattr would read a bare 0x... as hex bytes, Wine wants the text.
    setfattr -n user.DOSATTRIB -v '"0x2"' "$d/hidden.txt"
    setfattr -n user.DOSATTRIB -v '"0x4"' "$d/system folder"
}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    demo=$(mktemp -d /tmp/tovrand-demo.XXXXXX)
    make_demo "$demo/demo"
    targets=("$demo/demo")
    echo "Demo tree $demo/demo before (R read-only, H hidden, S system, D folder):"
    list_attributes "$demo/demo"
fi
# Wine quotes the paths that hold blanks, as a drop onto the icon does.
win_targets=()
for t in "${targets[@]}"; do win_targets+=("$(win_path "$t")"); done

log=$(mktemp)
wine "$TOVRAND_EXE" "${win_targets[@]}" >"$log" 2>&1 </dev/null &
tovrand_pid=$!

# The outcome box: its text is printed; headless, this script answers it.
if [ -n "$headless" ]; then
    shots=$BUILD_DIR/run-shots
    mkdir -p "$shots"
    remote wait-window 30000 >/dev/null && import -window root "$shots/window.png"
fi
box=$(remote wait-box 600000 || true)
if [ -n "$headless" ] && [ -n "$box" ]; then
    import -window root "$shots/outcome.png"
    remote press-ok 10000
    echo "Screenshots: $shots/window.png $shots/outcome.png"
fi
rc=0
wait "$tovrand_pid" || rc=$?
tovrand_pid=
rm -f "$log"
echo "Outcome: $(printf '%s\n' "$box" | tail -n +2)"
echo "Tovrand.exe exit code: $rc"

if [ -n "$demo" ]; then
    echo "Demo tree after:"
    list_attributes "$demo/demo"
fi
