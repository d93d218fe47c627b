#!/usr/bin/env bash
# The real Kawaban.exe under Wine in Xvfb with a settings file that says "news panel alone"
# and names a word file: the borderless panel shows alone at 500, 125, 480 x 98, in the
# topmost band, with the news moving. It is dragged by 100 pixels, ignores Tab and Shift,
# goes back to the main window on a letter key, a double-click and 戻る, takes a new font from
# the font dialog (Ctrl+F in the main window), comes again from Ctrl+N and from a double-click
# on the main window's board, and "終了する" in its popup menu ends the program with status 0
# after writing the new place and font, always-on-top and the word file. The next start shows
# it at the new place in the chosen font; Alt+F4 there brings the main window back, where
# 標準設定のクリア writes the defaults and ファイル > 終了 writes line 1 = 0; the start after that
# shows the main window with the news running, and closing it by Alt+F4 writes nothing. A
# panel placed off every screen comes up at its default place.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

printf '3\r\n太郎\r\n花子\r\n次郎\r\n\r\n2\r\n駅前\r\n公園\r\n\r\n2\r\n踊った\r\n歌った\r\n' | iconv -f UTF-8 -t CP932 >"$e2e_work/words.dat"
words=$(wine_path "$e2e_work/words.dat")
defaults=(0 50 'ＭＳ ゴシック' 45 -60 65535 0 0 0 0 500 125)
write_cfg 1 "${defaults[@]:1}" "$words"

main_window='518x232\+214\+111 framed normal'

start_program "$exe"
windows_are '480x98\+500\+125 popup topmost' && ok || fail "panel alone at 500,125: saw '$seen'"

# The news runs on the panel: yellow text, and it moves (speed 50: a step every 250 ms).
sleep 1
screenshot "$e2e_work/a.png"
sleep 0.6
screenshot "$e2e_work/b.png"
ya=$(yellow_pixels 476 94 502 127 "$e2e_work/a.png")
[ "$ya" -gt 300 ] && ok || fail "the panel shows $ya yellow pixels"
da=$(convert "$e2e_work/a.png" -crop 476x94+502+127 +repage rgb:- | md5sum)
db=$(convert "$e2e_work/b.png" -crop 476x94+502+127 +repage rgb:- | md5sum)
[ "$da" != "$db" ] && ok || fail "the panel's text did not move"

# A left press anywhere drags the window.
xdotool mousemove --sync 540 170 mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do xdotool mousemove --sync $((540 + step * 20)) 170; sleep 0.05; done
xdotool mouseup 1
windows_are '480x98\+600\+125 popup topmost' && ok || fail "dragged by 100 pixels: saw '$seen'"

# Tab and Shift do nothing there; a letter goes back to the main window. There, Ctrl+F opens the font dialog for the panel:
# size 20 points (27 pixels at 96 per inch). Ctrl+N shows the panel again, where it was,
# 27 + 38 pixels high.
xdotool key Tab shift
sleep 0.5
windows_are '480x98\+600\+125 popup topmost' 1 && ok || fail "Tab or Shift changed the panel: saw '$seen'"
xdotool key a
windows_are "$main_window" && ok || fail "a letter key did not bring the main window back: saw '$seen'"
xdotool key ctrl+f
if find_window 'フォントの指定' >/dev/null; then ok; else fail "Ctrl+F showed no font dialog"; fi
sleep 0.3
xdotool key alt+s ctrl+a
xdotool type 20
xdotool key Return
window_gone 'フォントの指定' 10 && ok || fail "the font dialog did not close on Enter"
xdotool key ctrl+n
panel_now='[0-9]+x65\+600\+125 popup topmost'
windows_are "$panel_now" && ok || fail "Ctrl+N did not show the panel alone in the new font: saw '$seen'"

# A double-click goes back; a double-click on the main window's board shows the panel.
xdotool mousemove --sync 700 170 click --repeat 2 --delay 80 1
windows_are "$main_window" && ok || fail "a double-click did not go back: saw '$seen'"
xdotool mousemove --sync 300 180 click --repeat 2 --delay 80 1
windows_are "$panel_now" && ok || fail "a double-click on the board did not show the panel: saw '$seen'"
xdotool mousemove --sync 700 170 click 3
sleep 0.8
xdotool key Down Return
windows_are "$main_window" && ok || fail "戻る did not go back: saw '$seen'"
xdotool key ctrl+n
windows_are "$panel_now" && ok || fail "Ctrl+N after 戻る: saw '$seen'"

# The popup menu: 戻る (the first item) goes back; Ctrl+N shows the panel again. Then
# 常に前面に表示 (the second item), then 終了する (the last).
xdotool mousemove --sync 700 170 click 3
sleep 0.8
xdotool key Down Down Return
sleep 0.5
xdotool mousemove --sync 700 170 click 3
sleep 0.8
xdotool key Up Return
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after 終了する"
cfg_is 終了する 3 50 'ＭＳ ゴシック' 20 -27 65535 0 0 0 0 600 125 "$words"

# The next start shows the panel alone at its new place. Alt+F4 there brings the main window
# back. 環境 > 標準設定のクリア writes exactly the twelve default lines and puts the panel back
# at 500, 125 in its default size; ファイル > 終了 then writes 0 in line 1 and the word file.
start_program "$exe"
windows_are "$panel_now" && ok || fail "the next start: saw '$seen'"
sleep 0.5
xdotool key alt+F4
windows_are "$main_window" && ok || fail "Alt+F4 on the panel left no main window: saw '$seen'"
# Counted from the top of the 環境 menu: a lost key lands on an item that changes nothing
# outside the program (counted from the bottom, on the Start-menu or screen-saver command).
xdotool key alt+e
sleep 0.5
# The menu opens on 単語設定; four steps down, past the separator, is 標準設定のクリア.
xdotool key Down Down Down Down Return
for _ in $(seq 1 30); do [ "$(head -c 2 "$cfg")" = "$(printf '0\r')" ] && break; sleep 0.1; done
cfg_is 標準設定のクリア "${defaults[@]}"
xdotool key ctrl+n
windows_are '480x98\+500\+125 popup topmost' && ok || fail "the default panel: saw '$seen'"
xdotool key a
windows_are "$main_window" && ok || fail "back to the main window: saw '$seen'"
xdotool key alt+f
sleep 0.5
xdotool key q
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after ファイル > 終了"
cfg_is 'ファイル > 終了' "${defaults[@]}" "$words"

# That start shows the main window with the news running; closing it by Alt+F4 writes nothing.
cp "$cfg" "$e2e_work/cfg.before"
start_program "$exe"
windows_are "$main_window" && ok || fail "the start after ファイル > 終了: saw '$seen'"
sleep 1
IFS='x+' read -r _ _ cx cy <<<"$(client_geometry 'でたらめ瓦版')"
[ "$(yellow_pixels 483 97 $((cx + 14)) $((cy + 7)))" -gt 300 ] && ok || fail "the board shows no news after the start"
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after Alt+F4"
cmp -s "$cfg" "$e2e_work/cfg.before" && ok || fail "closing the main window by Alt+F4 changed kawaban.cfg"

# A place that no screen shows (a monitor since removed): the panel comes up at 500, 125.
write_cfg 1 "${defaults[@]:1:9}" 3000 2000
start_program "$exe"
windows_are '480x98\+500\+125 popup topmost' && ok || fail "a panel placed off the screen: saw '$seen'"
sleep 0.3
xdotool key alt+F4
windows_are "$main_window" && ok || fail "Alt+F4 on the panel left no main window: saw '$seen'"
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status after Alt+F4"
e2e_end
