#!/usr/bin/env bash
# The real Kawaban.scr under Wine in Xvfb, started as Windows starts a screen saver.
# /s with a remembered word file: the board covers the screen in the topmost band with the
# news running; Tab, a move of 20 pixels and a single left click keep it; a move to 40 pixels
# from where the pointer was ends it with status 0, and so do Shift and a left double-click.
# kawaban.cfg is never written. /p in a preview box of our own (preview_host): the saver's
# child window fills the box, and a close sent to it or the box going away ends it with 0;
# a handle that names no window ends it quietly with 0. Run with /c, the main window's
# スクリーンセーバーとして登録 makes Kawaban.scr the user's screen saver in the registry.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
e2e_begin
scr="$(dirname "$exe")/Kawaban.scr"

printf '3\r\n太郎\r\n花子\r\n次郎\r\n\r\n2\r\n駅前\r\n公園\r\n\r\n2\r\n踊った\r\n歌った\r\n' | iconv -f UTF-8 -t CP932 >"$e2e_work/words.dat"
write_cfg 0 50 'ＭＳ ゴシック' 45 -60 65535 0 0 0 0 500 125 "$(wine_path "$e2e_work/words.dat")"
cp "$cfg" "$e2e_work/cfg.before"
cfg_unchanged() {
    cmp -s "$cfg" "$e2e_work/cfg.before" && ok || fail "kawaban.cfg was written $1"
}

# start_saver: Kawaban.scr /s, up and holding the keyboard. Wine puts the pointer where
# Windows last knew it when a program starts, so moves are measured from where it is then.
start_saver() {
    start_program "$scr" /s
    windows_are '1024x768\+0\+0 popup topmost' 15 || { fail "the saver: saw '$seen'"; return 1; }
    sleep 0.5
    eval "$(xdotool getmouselocation --shell)"
    start_x=$X start_y=$Y
}
# ends_with_zero WHAT: the saver ends within 5 seconds with status 0.
ends_with_zero() {
    wait_program 5
    [ "$program_status" = 0 ] && ok || fail "$1: exit status $program_status"
}

if start_saver; then
    ok
    # The news runs across the whole screen.
    sleep 1
    yellow=$(yellow_pixels 1020 764 2 2)
    [ "$yellow" -gt 1000 ] && ok || fail "the saver shows $yellow yellow pixels"
    xdotool key Tab
    sleep 0.5
    still_running && ok || fail "Tab ended the saver"
    xdotool mousemove $((start_x + 20)) "$start_y"
    sleep 0.5
    still_running && ok || fail "a move of 20 pixels ended the saver"
    xdotool click 1
    sleep 0.5
    still_running && ok || fail "a single left click ended the saver"
    xdotool mousemove $((start_x + 40)) "$start_y"
    ends_with_zero "a move of 40 pixels"
fi
if start_saver; then
    xdotool key shift
    ends_with_zero "Shift"
fi
if start_saver; then
    xdotool click --repeat 2 --delay 80 1
    ends_with_zero "a left double-click"
fi
cfg_unchanged "by the saver"

# The preview, in a box of 152 x 112: the saver's panel is the front child and fills it.
for action in close destroy; do
    out=$("$wine_run" "$KAWABAN_PREVIEW_HOST" "$(wine_path "$scr")" "$action" | tr -d '\r')
    [ "$(printf '%s\n' "$out" | grep '^child' | head -n 1)" = "child 152x112+0+0 visible" ] && ok ||
        fail "the preview box ($action) holds: $out"
    printf '%s\n' "$out" | grep -qx 'exit 0' && ok || fail "the preview after $action: $out"
done
cfg_unchanged "by the preview"

# A preview handle that names no window: the program ends at once, with 0 and no message.
start_program "$scr" /p 99999999
wait_program 15
[ "$program_status" = 0 ] && ok || fail "/p with no such window: exit status $program_status"

# Registration from the settings window (/c), under the user's Control Panel\Desktop.
key='HKCU\Control Panel\Desktop'
saved=$("$wine_run" reg query "$key" /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r' | sed -n 's/^ *SCRNSAVE.EXE *REG_SZ *//p')
if [ -n "$saved" ]; then
    e2e_restore='"$wine_run" reg add "$key" /v SCRNSAVE.EXE /t REG_SZ /d "$saved" /f >/dev/null 2>&1'
else
    e2e_restore='"$wine_run" reg delete "$key" /v SCRNSAVE.EXE /f >/dev/null 2>&1'
fi
"$wine_run" reg delete "$key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
start_program "$scr" /c
windows_are '518x232\+214\+111 framed normal' 15 && ok || fail "the settings window: saw '$seen'"
xdotool key alt+e
sleep 0.5
# The menu opens on 単語設定; five steps down, past the separator, is スクリーンセーバーとして登録.
xdotool key Down Down Down Down Down Return
registered=
for _ in $(seq 1 20); do
    registered=$("$wine_run" reg query "$key" /v SCRNSAVE.EXE 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *SCRNSAVE.EXE *REG_SZ *//p')
    [ -n "$registered" ] && break
    sleep 0.3
done
[ "$registered" = "$(wine_path "$scr")" ] && ok || fail "SCRNSAVE.EXE is '$registered'"
xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "the settings window: exit status $program_status"
e2e_end
