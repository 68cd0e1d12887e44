#!/usr/bin/env bash
# The built viewer in a real X server: it opens centred at 377 x 349, shows its colours where
# the layout puts them, switches language and order on clicks, opens each page by its tab,
# chooses level rows and TM cells and sees their move panels (kept across a language switch),
# chooses evolution entries and jumps by a small picture, shows an edition's tooltip, moves
# when its background is dragged, moves through the list by the bars (held with either
# button), the thumb, the wheel and the keys, finds a species by its typed number and by the
# start of its name, zooms to twice its size and back by the keys, keeps out from under a
# desktop panel, and ends with status 0 when its close box is clicked or F4 is pressed.
#   realwindow.sh /path/to/zentaloger
# Needs Xvfb, xdotool and ImageMagick; without Xvfb it skips (exit 77).
set -euo pipefail
app=${1:?usage: realwindow.sh /path/to/zentaloger}

if ! command -v Xvfb >/dev/null; then
    echo "realwindow: skipped, Xvfb is not installed (package xvfb)"
    exit 77
fi
for tool in xdotool import convert xprop; do
    command -v "$tool" >/dev/null || { echo "realwindow: $tool is missing (xdotool, imagemagick, x11-utils)"; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to fd 3. -noreset keeps what is set on the root
# window (the panel's work area below) when the last client leaves.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "realwindow: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

failures=0
fail() {
    echo "realwindow: FAIL: $*"
    failures=$((failures + 1))
}

start_app() {
    QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: "$app" >"$work/app.log" 2>&1 &
    app_pid=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zentaloger$' | head -n1) ||
        { echo "realwindow: the window did not appear"; cat "$work/app.log"; exit 1; }
}
start_app

geometry() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    wx=$X
    wy=$Y
    ww=$WIDTH
    wh=$HEIGHT
}
geometry
echo "realwindow: window at $wx,$wy size ${ww}x$wh on display $DISPLAY"
[ "$ww" = 377 ] && [ "$wh" = 349 ] || fail "size ${ww}x$wh, want 377x349"
# Centred on the 1024 x 768 screen, to a pixel.
[ $((wx - 323)) -ge -1 ] && [ $((wx - 323)) -le 1 ] && [ $((wy - 209)) -ge -1 ] &&
    [ $((wy - 209)) -le 1 ] || fail "not centred: at $wx,$wy"

# The colour (RRGGBB) at window point x,y.
pixel() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$((wx + $1))+$((wy + $2))" -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-Fa-f]\{6\}\).*/\1/p' | tr a-f A-F
}
# Waits (up to 3 s) for the window to repaint to the expected colour at x,y.
expect() {  # expect what x y RRGGBB
    local got=
    for _ in $(seq 30); do
        got=$(pixel "$2" "$3")
        [ "$got" = "$4" ] && return 0
        sleep 0.1
    done
    fail "$1: ($2,$3) is #$got, want #$4"
}
click() {  # click x y: left click at window point x,y
    xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1
}
# The page area (the frame at 8,224, 249 x 77) into a file.
page_area() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "249x77+$((wx + 8))+$((wy + 224))" +repage "$1"
}
# Waits (up to 3 s) for the page area to differ from the picture in $work/before.png.
expect_new_panel() {  # expect_new_panel what
    local differing=
    for _ in $(seq 30); do
        page_area "$work/after.png"
        differing=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
        [ "${differing%% *}" != 0 ] && return 0
        sleep 0.1
    done
    fail "$1: the panel did not change"
}

expect "background" 2 2 C00000
expect "English label chosen" 265 9 FFFF00
expect "Russian label idle" 313 9 800000
expect "first list line selected" 365 37 000080
expect "name box" 11 14 FF8000
expect "scroller thumb at the top" 370 40 FFFF00
expect "statistics tab open" 10 302 FFFF00

click 313 12
expect "Russian label chosen" 313 9 FFFF00
expect "English label idle" 265 9 800000
expect "species still selected" 365 37 000080
click 265 12
expect "English label chosen again" 265 9 FFFF00

click 300 261  # the alphabetical order option
expect "alphabetical option chosen" 275 261 000000
expect "numerical option cleared" 275 237 FFFFFF
click 300 237  # back to numerical: species 1 on the first line again
expect "numerical option chosen" 275 237 000000
expect "first line selected again" 365 37 000080

click 300 74  # list line 3
expect "clicked line selected" 365 74 000080
expect "first line no longer selected" 365 37 FFFFFF

# The shown species has level moves and TMs and no HM. Cells: level (58..80, 32 + 12k),
# move (83..208), TM column one (28..71); tabs MOVES (132..257, 312), TM (8..133, 324),
# HM (132..257, 324); the panel's title box at the frame's top left.
click 194 318
expect "moves tab open" 136 315 FFFF00
expect "statistics tab closed" 10 302 800000
expect "first level row chosen" 60 34 FFFF00
expect "second level row not chosen" 60 46 800000
expect "moves panel shown" 10 226 FFFF80
page_area "$work/before.png"
click 150 50  # the move cell of the second row
expect "second row chosen by its move cell" 60 46 FFFF00
expect "first row no longer chosen" 86 34 800000
expect_new_panel "a click on the second row"

click 70 330
expect "TM tab open" 12 327 FFFF00
expect "first TM cell chosen" 30 34 FFFF00
expect "TM panel shown" 10 226 FFFF80
page_area "$work/before.png"
click 50 62  # the third TM cell
expect "third TM cell chosen" 30 58 FFFF00
expect "first TM cell no longer chosen" 30 34 800000
expect_new_panel "a click on the third TM cell"

click 194 330
expect "HM tab open" 136 327 FFFF00
expect "HM panel blank without HMs" 10 226 FFFFFF

# The language switch keeps the chosen cell and row, and shows their moves in Russian.
click 70 330
expect "TM tab open again" 12 327 FFFF00
page_area "$work/before.png"
click 313 12
expect "Russian chosen on the TM page" 313 9 FFFF00
expect "third TM cell still chosen" 30 58 FFFF00
expect_new_panel "the TM panel in Russian"
click 194 318
expect "second row still chosen" 86 46 FFFF00
click 265 12
expect "English again" 265 9 FFFF00
click 70 305  # back to the statistics page
expect "statistics tab open again" 10 302 FFFF00

# Each tab opens its page: the tab takes the selection colours, the statistics tab goes idle.
for tab in "description 194 306" "evolution 70 318" "moves 194 318" "TM 70 330" "HM 194 330" \
    "statistics 70 306"; do
    set -- $tab
    click "$2" "$3"
    expect "$1 tab open" $(($2 - 60)) $(($3 - 4)) FFFF00
done
expect "statistics tab idle again after the HM tab" 134 330 800000

# The evolution page of species 4, the first of a family: its own step is chosen. Another
# entry chosen by a click; then the right picture brings the last of the family to the card,
# which as a final form chooses no entry.
click 70 318
expect "the evolution entry of the card's species chosen" 30 36 FFFF00
click 132 62
expect "the clicked evolution entry chosen" 30 60 FFFF00
expect "the other evolution entry idle" 30 36 800000
click 218 257  # the right small picture
expect "a final form chooses no entry" 30 60 800000

# Resting the pointer on an edition mark shows its edition in a tooltip near the pointer.
xdotool mousemove --sync $((wx + 244)) $((wy + 204))
tooltip=0
for _ in $(seq 40); do
    import -window root "$work/shot.png"
    tooltip=$(convert "$work/shot.png" -crop "160x60+$((wx + 244))+$((wy + 204))" -depth 8 txt:- |
        grep -c 'FFFFE1' || true)
    [ "$tooltip" -gt 50 ] && break
    sleep 0.1
done
[ "$tooltip" -gt 50 ] || fail "no tooltip appeared over the edition mark"
xdotool mousemove --sync $((wx + 2)) $((wy + 100))
click 70 306

# Drag the window by its background 40 px right and 30 px down.
xdotool mousemove --sync $((wx + 2)) $((wy + 100)) mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove --sync $((wx + 2 + 10 * step)) $((wy + 100 + 7 * step + (step == 4 ? 2 : 0)))
done
xdotool mouseup 1
ox=$wx
oy=$wy
for _ in $(seq 30); do
    geometry
    [ "$wx" != "$ox" ] && break
    sleep 0.1
done
[ "$((wx - ox))" = 40 ] && [ "$((wy - oy))" = 30 ] ||
    fail "drag moved the window by $((wx - ox)),$((wy - oy)), want 40,30"
expect "background after the move" 2 2 C00000

# ---- Moving through the list. The list's first row is read from the thumb's place: its top
# pixel is 35 + 167 x (row - 1) / 235, to the nearest pixel, so a row reads to within one.
thumb_top() {  # the row above the first yellow pixel of the thumb's column: its border
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "1x190+$((wx + 370))+$((wy + 30))" -depth 8 txt:- |
        awk -F'[,:]' '/#FFFF00/ && !found { print $2 + 30 - 1; found = 1 }'
}
first_row() {
    local top
    top=$(thumb_top)
    [ -n "$top" ] || { echo 0; return; }
    echo $(((top - 35) * 235 / 167 + 1))
}
# Waits (up to 3 s) for the first row to settle within `slack` rows of `want`.
expect_row() {  # expect_row what want slack
    local got=
    for _ in $(seq 30); do
        got=$(first_row)
        [ $((got - $2)) -le "$3" ] && [ $(($2 - got)) -le "$3" ] && return 0
        sleep 0.1
    done
    fail "$1: first row about $got, want $2 (+-$3)"
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Holds `button` on the bar at window point x,y for about `ms` and prints the time held.
hold() {  # hold x y button ms
    xdotool mousemove --sync $((wx + $1)) $((wy + $2))
    local t0 t1
    t0=$(now_ms)
    xdotool mousedown "$3"
    sleep "$(printf '0.%03d' "$4")"
    xdotool mouseup "$3"
    t1=$(now_ms)
    echo $((t1 - t0))
}
click 300 74  # back on a line of the first page: the list has the focus
expect_row "at the start" 1 1

# DOWN held with the left button: a row per 100 ms and the click's row. A loaded machine
# ticks late, never early, so the check is on the side of too few rows.
held=$(hold 300 215 1 800)
row=$(first_row)
want=$((held / 100 + 2))
[ "$row" -ge 3 ] && [ "$row" -le $((want + 2)) ] ||
    fail "DOWN held $held ms with the left button: first row $row, want 3..$want"
# DOWN with the right button: 16 rows per tick, no click.
before=$(first_row)
held=$(hold 300 215 3 350)
row=$(first_row)
[ $((row - before)) -ge 14 ] && [ $((row - before)) -le $((16 * (held / 100) + 2)) ] ||
    fail "DOWN held $held ms with the right button: from $before to $row"
# UP with the right button until the top; UP with the left button stays there.
hold 360 29 3 900 >/dev/null
expect_row "UP held with the right button to the top" 1 0
hold 360 29 1 300 >/dev/null
expect_row "UP held at the top" 1 0

# The thumb dragged below the window, then above it.
top=$(thumb_top)
xdotool mousemove --sync $((wx + 370)) $((wy + top + 4)) mousedown 1
xdotool mousemove --sync $((wx + 370)) $((wy + 150))
xdotool mousemove --sync $((wx + 370)) $((wy + 420))
xdotool mouseup 1
expect "thumb dragged to the bottom" 370 207 FFFF00
expect_row "thumb at the bottom" 236 0
top=$(thumb_top)
xdotool mousemove --sync $((wx + 370)) $((wy + top + 4)) mousedown 1
xdotool mousemove --sync $((wx + 370)) $((wy + 100))
xdotool mousemove --sync $((wx + 370)) $((wy - 60))
xdotool mouseup 1
expect "thumb dragged to the top" 370 36 FFFF00
expect_row "thumb at the top" 1 0

# The wheel over the list: buttons 5 (towards the user) and 4, a row per notch.
xdotool mousemove --sync $((wx + 300)) $((wy + 120))
xdotool click --repeat 20 --delay 10 5
expect_row "20 notches down" 21 1
xdotool click --repeat 12 --delay 10 4
expect_row "12 notches up" 9 1
xdotool click --repeat 12 --delay 10 4
expect_row "at the top the wheel stops" 1 0

# The keys, the list having the focus.
click 300 37  # line 0, row 1
xdotool key End
expect "End: the last line selected" 365 206 000080
expect_row "End: the last page" 236 0
xdotool key Home
expect "Home: the first line selected" 365 37 000080
expect_row "Home: the first page" 1 0
xdotool key Next
expect "Page Down: the last line" 365 206 000080
xdotool key Next
expect_row "Page Down at the last line: 16 rows on" 17 1
expect "Page Down: still the last line" 365 206 000080
xdotool key Down Down Down
expect_row "Down at the last line scrolls a row each" 20 1
xdotool key Prior
expect "Page Up: the first line" 365 37 000080
expect_row "Page Up to the first line keeps the page" 20 1
xdotool key Up
expect_row "Up at the first line scrolls a row" 19 1
xdotool key BackSpace
expect "Backspace: Russian" 313 9 FFFF00
xdotool key BackSpace
expect "Backspace again: English" 265 9 FFFF00

# Typing to find, over all rows: 1, 12, 125 chosen in turn on the first line; then, after a
# pause, the start of the same species' name from row 1 (ANVIL first finds ANVILKIN, species
# 2). The card's name box (14,9, 125 x 13) shows the same species both ways.
name_box() {  # name_box file
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "125x13+$((wx + 14))+$((wy + 9))" +repage "$1"
}
same_pictures() {  # same_pictures a b: 0 differing pixels
    local differing
    differing=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [ "${differing%% *}" = 0 ]
}
xdotool type --delay 40 125
expect_row "typed 125: species 125 on top" 125 1
expect "typed 125: the first line selected" 365 37 000080
name_box "$work/typed-number.png"
sleep 0.6
xdotool key Home
expect_row "Home after typing" 1 0
sleep 0.5
name_box "$work/first.png"
same_pictures "$work/typed-number.png" "$work/first.png" &&
    fail "typed 125: the card shows the same name as row 1"
sleep 0.6
xdotool type --delay 40 anvilh
expect_row "typed anvilh: ANVILHEARTH (species 125) on top" 125 1
for _ in $(seq 30); do
    name_box "$work/typed-name.png"
    same_pictures "$work/typed-number.png" "$work/typed-name.png" && break
    sleep 0.1
done
same_pictures "$work/typed-number.png" "$work/typed-name.png" ||
    fail "typed anvilh: the card does not show species 125 as typing 125 did"

# ---- Zoom. Ctrl+= doubles the window, which keeps its top-left corner as far as it stays on
# the screen; the same elements lie at doubled places, and a click there reaches them; Ctrl+0
# returns to 377 x 349.
zoomed_to() {  # zoomed_to width height: waits (up to 3 s) for that size
    for _ in $(seq 30); do
        geometry
        [ "$ww" = "$1" ] && [ "$wh" = "$2" ] && return 0
        sleep 0.1
    done
    return 1
}
xdotool key ctrl+equal
zoomed_to 754 698 || fail "ctrl+equal: size ${ww}x$wh, want 754x698"
[ "$wx" -ge 0 ] && [ "$wy" -ge 0 ] && [ $((wx + ww)) -le 1024 ] && [ $((wy + wh)) -le 768 ] ||
    fail "zoom 2: the window at $wx,$wy leaves the screen"
expect "zoom 2: English label chosen" 530 18 FFFF00
click 626 24
expect "zoom 2: a click on the Russian label's doubled place" 626 18 FFFF00
click 530 24
expect "zoom 2: English again" 530 18 FFFF00
xdotool key ctrl+0
zoomed_to 377 349 || fail "ctrl+0: size ${ww}x$wh, want 377x349"
expect "back at zoom 1: English label chosen" 265 9 FFFF00
expect_row "back at zoom 1: the list where typing left it" 125 1
# Ctrl and the wheel: over the card's picture they zoom, over the list they scroll it.
xdotool mousemove --sync $((wx + 100)) $((wy + 100)) keydown ctrl click 4 keyup ctrl
zoomed_to 754 698 || fail "ctrl+wheel over the picture: size ${ww}x$wh, want 754x698"
xdotool mousemove --sync $((wx + 600)) $((wy + 200)) keydown ctrl click 5 keyup ctrl
sleep 0.3
geometry
[ "$ww" = 754 ] || fail "ctrl+wheel over the list zoomed to ${ww}x$wh"
xdotool mousemove --sync $((wx + 100)) $((wy + 100)) keydown ctrl click 5 keyup ctrl
zoomed_to 377 349 || fail "ctrl+wheel back over the picture: size ${ww}x$wh, want 377x349"
expect_row "ctrl+wheel over the list scrolled it" 126 1

# The two ways out, each with status 0.
ends_with_zero() {  # ends_with_zero how
    if timeout 5 tail --pid="$app_pid" -f /dev/null; then
        wait "$app_pid" && status=0 || status=$?
        app_pid=
        [ "$status" = 0 ] || fail "$1: the program ended with status $status"
    else
        fail "$1 did not end the program"
    fi
}
click 364 12  # the close box
ends_with_zero "the close box"

# A desktop panel along the bottom leaves the top 600 rows to windows: the viewer opens centred
# in them, and a zoom step that would reach under the panel is not taken.
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA 0,0,1024,600
start_app
geometry
[ "$wx" = 323 ] && [ "$wy" = 125 ] || fail "with a panel: at $wx,$wy, want 323,125"
click 300 37
xdotool key ctrl+equal
sleep 0.3
geometry
[ "$ww" = 377 ] || fail "with a panel: ctrl+equal zoomed to ${ww}x$wh under it"
xdotool key F4
ends_with_zero "F4"

if [ "$failures" -gt 0 ]; then
    echo "realwindow: $failures check(s) failed"
    exit 1
fi
echo "realwindow: all checks passed"
