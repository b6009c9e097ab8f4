#!/usr/bin/env bash
# Runs a test program under Wine on a fresh set of fixture trees, then
# removes them (immutable marks first).
#   run-with-fixtures.sh PROGRAM [ARGS...]
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-env.sh"
dir="$BUILD_DIR/fixtures/$(basename "$1" .exe)-${TOVRAND_CODEPAGE:-cp}"

clean() {
    [ -d "$dir" ] || return 0
    chattr -R -i "$dir" 2>/dev/null
    chmod -R u+w "$dir" 2>/dev/null
    rm -rf "$dir"
}
clean
bash "$here/make-fixtures.sh" "$dir" || exit 1
TOVRAND_FIXTURES=$(win_path "$dir") "$here/../../scripts/wine-exec.sh" "$@"
rc=$?
clean
exit $rc
