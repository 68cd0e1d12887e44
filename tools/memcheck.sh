#!/usr/bin/env bash
# The window's random session under valgrind's memcheck: start, every page, 10,000 random
# events, close (the command app/randomrun). It fails on any invalid read or write, any use
# of an uninitialised value and any block definitely lost that the suppressions in
# memcheck.supp (the libraries' own, each named and explained there) do not account for.
#   nice -n 10 tools/memcheck.sh [BUILD_DIR [EVENTS [SEED]]]     (build, 10000, 1)
# It builds the command first; a RelWithDebInfo build gives stacks with lines. Not a test:
# it takes minutes; run it by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
events=${2:-10000}
seed=${3:-1}
command -v valgrind >/dev/null || { echo "memcheck: valgrind is not installed (package valgrind)"; exit 1; }
cmake --build "$build" --target randomrun >/dev/null

log=$(mktemp)
trap 'rm -f "$log"' EXIT
start=$(date +%s)
status=0
QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --num-callers=30 \
    --suppressions=tools/memcheck.supp --log-file="$log" \
    "$build/app/randomrun/randomrun" --events "$events" --seed "$seed" || status=$?
echo "memcheck: $(($(date +%s) - start)) s"
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|suppressed:' "$log" | sed 's/^==[0-9]*== */memcheck: /'
if [ "$status" -ne 0 ]; then
    cat "$log"
    echo "memcheck: FAILED (status $status)"
    exit 1
fi
echo "memcheck: OK"
