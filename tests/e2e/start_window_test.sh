#!/usr/bin/env bash
# The real Kawaban.exe under Wine in Xvfb: it opens a window titled でたらめ瓦版 at 214, 111
# with a 512 x 188 client area showing yellow text on black, and ends with exit status 0
# when the window is closed.
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
IFS='x+' read -r cw ch cx cy <<<"$client"
yellow=$(yellow_pixels "$cw" "$ch" "$cx" "$cy")
[ "$yellow" -gt 200 ] && ok || fail "only $yellow yellow pixels on the board"
# A real key press (XTEST) that the focused window gets, as a user would press it; keys
# sent to one window alone leave Wine believing they are still held once it has closed.
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after closing"
e2e_end
