#!/usr/bin/env bash
# The viewer installed by install_tree.sh starts from its prefix in a real X server (Xvfb),
# reached through Qt's -display option, shows its window under the class that the installed
# menu entry names (so the desktop matches the window to the entry and its icon), and ends
# cleanly, with status 0 and nothing on standard error, when its close box is clicked. A real
# X server rather than the offscreen platform: offscreen takes no input, so nothing could end
# the program from outside but a signal.
#   installed_viewer.sh PREFIX APP_ID
set -euo pipefail
prefix=${1:?usage: installed_viewer.sh PREFIX APP_ID}
app_id=${2:?}
app=$prefix/bin/zentaloger
entry=$prefix/share/applications/$app_id.desktop

for tool in Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "installed_viewer: $tool is missing (xvfb, xdotool, x11-utils)"; exit 1; }
done
[ -x "$app" ] && [ -f "$entry" ] || { echo "installed_viewer: nothing installed under $prefix"; exit 1; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "installed_viewer: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=:$(head -n1 "$work/display")

mkdir -m 700 "$work/runtime"
# No DISPLAY in the environment: the window can only reach the server through -display.
env -u DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS=disabled: \
    "$app" -display "$display" >"$work/out.log" 2>"$work/err.log" &
app_pid=$!
export DISPLAY=$display
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zentaloger$' | head -n1) ||
    { echo "installed_viewer: the window did not appear"; cat "$work/err.log"; exit 1; }

failures=0
fail() {
    echo "installed_viewer: FAIL: $*"
    failures=$((failures + 1))
}

wm_class=$(xprop -id "$win" WM_CLASS)
entry_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$entry_class" ] || fail "the menu entry names no StartupWMClass"
[[ $wm_class == *"\"$entry_class\""* ]] ||
    fail "window class ($wm_class) is not the entry's StartupWMClass ($entry_class)"
# The window icon follows right after the first frame, all its sizes at once.
icon=
for _ in $(seq 50); do
    icon=$(xprop -id "$win" _NET_WM_ICON)
    [[ $icon == *"Icon (16 x 16)"* ]] && break
    sleep 0.1
done
[[ $icon == *"Icon (16 x 16)"*"Icon (32 x 32)"* ]] || fail "the window has no 16 and 32 px icon"

eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --sync $((X + 364)) $((Y + 12)) click 1  # the close box
if timeout 10 tail --pid="$app_pid" -f /dev/null; then
    wait "$app_pid" && status=0 || status=$?
    app_pid=
    [ "$status" = 0 ] || fail "the program ended with status $status"
else
    fail "the close box did not end the program"
fi
[ ! -s "$work/err.log" ] || fail "the program wrote to standard error: $(head -c 500 "$work/err.log")"
[ ! -s "$work/out.log" ] || fail "the program wrote to standard output: $(head -c 500 "$work/out.log")"

if [ "$failures" -gt 0 ]; then
    echo "installed_viewer: $failures check(s) failed"
    exit 1
fi
echo "installed_viewer: $app opened on $display as $wm_class and ended at its close box"
