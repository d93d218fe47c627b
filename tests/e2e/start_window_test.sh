#!/usr/bin/env bash
# The real Kawaban.exe under Wine in Xvfb: it opens a window titled でたらめ瓦版 at 214, 111
# with a 512 x 188 client area and a black board, and ends with exit status 0
# when the window is closed. With /p and a handle that is no number it says so and goes on.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

start_program "$exe"
wid=$(find_window 'でたらめ瓦版') || { fail "no window titled でたらめ瓦版"; e2e_end; }
ok
window=$(window_geometry 'でたらめ瓦版')
[ "${window#*+}" = "214+111" ] && ok || fail "window at ${window#*+}, wanted 214+111"
client=$(client_geometry 'でたらめ瓦版')
[ "${client%%+*}" = "512x188" ] && ok || fail "client area ${client%%+*}, wanted 512x188"
sleep 0.5
# No words are loaded: the board (at 14, 7 in the client area) is black, the rest button face.
IFS='x+' read -r cw ch cx cy <<<"$client"
black=$(convert "$(screenshot "$e2e_work/shot.png"; echo "$e2e_work/shot.png")" -crop "483x97+$((cx + 14))+$((cy + 7))" +repage \
    -fuzz 5% -fill white -opaque black -fill black +opaque white -format '%[fx:int(mean*w*h)]' info:)
[ "$black" -gt 45000 ] && ok || fail "the board is not black ($black black pixels)"
# A real key press (XTEST) that the focused window gets, as a user would press it; keys
# sent to one window alone leave Wine believing they are still held once it has closed.
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after closing"

# A preview handle that is no number: the conversion error is shown, then the run goes on.
start_program "$exe" /p abc
find_window 'でたらめ瓦版' >/dev/null && ok || fail "nothing shown for /p abc"
text=$("$wine_run" "$KAWABAN_PROBE" text 'でたらめ瓦版' | tr -d '\r')
[ "$text" = "'abc' は整数ではありません" ] && ok || fail "message for /p abc: '$text'"
sleep 0.3
xdotool key Return
sleep 1
kill -0 "$e2e_pid" 2>/dev/null && ok || fail "the program ended after the message"
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after /p abc"
e2e_end
