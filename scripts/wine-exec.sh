#!/usr/bin/env bash
# Runs one cross-built program under Wine in the build tree's prefix.
# Output goes through files: Wine's desktop process inherits the program's
# standard handles and would keep a runner's pipe open forever.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
[ -f "$TEST_ENV_DIR/display" ] && [ -z "${DISPLAY:-}" ] && DISPLAY=$(cat "$TEST_ENV_DIR/display") && export DISPLAY
out=$(mktemp) err=$(mktemp)
wine "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
grep -v -e 'wine32 is missing' -e 'multiarch needs' -e 'dpkg --add-architecture' -e 'apt-get install wine32' "$err" >&2
rm -f "$out" "$err"
exit $rc
