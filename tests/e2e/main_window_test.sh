#!/usr/bin/env bash
# The real Kawaban.exe under Wine in Xvfb, driven with keys as a user would: Ctrl+L opens
# the open dialog, a typed path loads the words and the board starts to move; the track bar
# sets its speed; Ctrl+S does
# nothing while nothing changed; after adding words from a file the close asks whether to
# save, キャンセル keeps the window, いいえ closes it; 終了 in the menu ends with status 0.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

printf '3\r\n太郎\r\n花子\r\n次郎\r\n\r\n2\r\n駅前\r\n公園\r\n\r\n2\r\n踊った\r\n歌った\r\n' >"$e2e_work/words.dat"
printf '1 三郎 1 海辺 1 泳いだ' >"$e2e_work/more.dat"
main='でたらめ瓦版'

start_program "$exe"
find_window "$main" >/dev/null || { fail "no window titled $main"; e2e_end; }
client=$(client_geometry "$main")
IFS='x+' read -r cw ch cx cy <<<"$client"
[ "${cw}x${ch}" = 512x188 ] && ok || fail "client area ${cw}x${ch}"
# The board: Panel1 at 14, 7 in the client area, 483 x 97.
bx=$((cx + 14)) by=$((cy + 7))
[ "$(yellow_pixels 483 97 "$bx" "$by")" = 0 ] && ok || fail "the board shows text before any words are loaded"

xdotool key ctrl+l
if open_in_dialog '単語データの読み込み' "$e2e_work/words.dat"; then ok; else fail "the open dialog did not take the file"; fi
sleep 1.5
screenshot "$e2e_work/a.png"
sleep 0.6
screenshot "$e2e_work/b.png"
ya=$(yellow_pixels 483 97 "$bx" "$by" "$e2e_work/a.png")
[ "$ya" -gt 300 ] && ok || fail "only $ya yellow pixels on the board after loading"
da=$(convert "$e2e_work/a.png" -crop "483x97+$bx+$by" +repage rgb:- | md5sum)
db=$(convert "$e2e_work/b.png" -crop "483x97+$bx+$by" +repage rgb:- | md5sum)
[ "$da" != "$db" ] && ok || fail "the board did not move"

# The track bar sets the speed. At its slow end (End: a step each 500 ms) the board changes
# at most about twice a second, however fast we look; at its fast end (Home: the timer's
# 10 ms floor) nearly every look finds it changed.
board_changes() {  # prints: how many of 10 looks found a change, and the milliseconds taken
    local previous current changes=0 start
    start=$(date +%s%3N)
    previous=$(import -window root -crop "483x97+$bx+$by" rgb:- | md5sum)
    for _ in $(seq 1 10); do
        sleep 0.05
        current=$(import -window root -crop "483x97+$bx+$by" rgb:- | md5sum)
        [ "$current" != "$previous" ] && changes=$((changes + 1))
        previous=$current
    done
    echo "$changes $(($(date +%s%3N) - start))"
}
xdotool mousemove --sync $((cx + 124)) $((cy + 128)) click 1  # the track bar takes the keyboard
xdotool key End
sleep 0.6
read -r slow slow_ms <<<"$(board_changes)"
xdotool key Home
sleep 0.3
read -r fast _ <<<"$(board_changes)"
[ $((slow * 1000)) -le $((3 * slow_ms)) ] && ok || fail "slowest speed: $slow changes in $slow_ms ms"
[ "$fast" -ge 8 ] && ok || fail "fastest speed: only $fast of 10 looks found the board changed"

# Nothing changed: Ctrl+S shows no save dialog.
xdotool key ctrl+s
sleep 1
if "$wine_run" "$KAWABAN_PROBE" wait '単語データの保存' 1; then
    fail "Ctrl+S opened the save dialog with nothing to save"
    xdotool key Escape
else
    ok
fi

# Adding words marks them unsaved: closing asks, and キャンセル keeps the window.
xdotool key ctrl+d
open_in_dialog '単語データの読み込み' "$e2e_work/more.dat" && ok || fail "the add dialog did not take the file"
sleep 0.5
xdotool key alt+F4
if find_window '確認' >/dev/null; then ok; else fail "no save question on closing with unsaved words"; fi
sleep 0.3
xdotool key Escape
window_gone '確認' 5 && ok || fail "the question did not close on Escape"
sleep 1
kill -0 "$e2e_pid" 2>/dev/null && ok || fail "the program ended although the close was cancelled"
find_window "$main" >/dev/null && ok || fail "the main window is gone after キャンセル"

# 終了 from the File menu; the question again, answered いいえ: the program ends with 0.
xdotool key alt+f
sleep 0.5
xdotool key q
if find_window '確認' >/dev/null; then ok; else fail "no save question on 終了"; fi
sleep 0.3
xdotool key n
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after 終了"
cmp -s <(printf '1 三郎 1 海辺 1 泳いだ') "$e2e_work/more.dat" && ok || fail "a word file was changed"
e2e_end
