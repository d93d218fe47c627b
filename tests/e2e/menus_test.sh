#!/usr/bin/env bash
# The real Kawaban.exe under Wine in Xvfb: F1 opens the HTML manual beside the program in
# the browser; the About box opens from the Help menu where it belongs and closes on Enter
# and on a click on its background; "スタートメニューに登録" writes the folder でたらめ瓦版
# with its two shortcuts, and a second time leaves the same two files.
set -u
exe=$1
. "$(dirname "$0")/lib.sh"
e2e_begin
export WINEPREFIX="$KAWABAN_WINEPREFIX"
main='でたらめ瓦版'
about='バージョン情報'

# Wine hands documents to the programs listed here: a recorder plays the browser.
cat >"$e2e_work/browser.sh" <<EOS
#!/bin/sh
echo "\$@" >>"$e2e_work/browser.out"
EOS
chmod +x "$e2e_work/browser.sh"
"$wine_run" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$e2e_work/browser.sh" /f >/dev/null 2>&1
restore_browser() {
    "$wine_run" reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f >/dev/null 2>&1
    rm -rf "${folder:-/nonexistent}"
}
e2e_restore=restore_browser

programs=$(find "$WINEPREFIX/drive_c/users" -maxdepth 7 -type d -path '*/Start Menu/Programs' | head -n 1)
[ -n "$programs" ] || { fail "no Start-menu Programs folder in the prefix"; e2e_end; }
folder="$programs/$main"
rm -rf "$folder"

start_program "$exe"
find_window "$main" >/dev/null || { fail "no main window"; e2e_end; }
sleep 0.5

xdotool key F1
for _ in $(seq 1 50); do [ -s "$e2e_work/browser.out" ] && break; sleep 0.1; done
want="file://$(readlink -f "$(dirname "$exe")")/kawaban.html"
grep -qx "$want" "$e2e_work/browser.out" 2>/dev/null && ok || fail "F1 opened '$(cat "$e2e_work/browser.out" 2>/dev/null)', wanted $want"

xdotool key alt+h
sleep 0.4
xdotool key a
if find_window "$about" >/dev/null; then ok; else fail "no About box from the Help menu"; fi
geometry=$(window_geometry "$about")
[ "${geometry#*+}" = "409+252" ] && ok || fail "About box at ${geometry#*+}, wanted 409+252"
client=$(client_geometry "$about")
[ "${client%%+*}" = "310x200" ] && ok || fail "About box client ${client%%+*}, wanted 310x200"
sleep 0.3
xdotool key Return
window_gone "$about" 5 && ok || fail "Enter did not close the About box"

xdotool key alt+h
sleep 0.4
xdotool key a
find_window "$about" >/dev/null
client=$(client_geometry "$about")
IFS='x+' read -r _ _ ax ay <<<"$client"
sleep 0.3
xdotool mousemove --sync $((ax + 290)) $((ay + 10)) click 1
window_gone "$about" 5 && ok || fail "a click on the background did not close the About box"

add_to_start_menu() {
    xdotool key alt+e
    sleep 0.4
    xdotool key Up  # the last item of the 環境 menu
    sleep 0.3
    xdotool key Return
    for _ in $(seq 1 50); do [ -f "$folder/使い方.lnk" ] && break; sleep 0.1; done
    sleep 0.5
}
add_to_start_menu
listing=$(cd "$folder" 2>/dev/null && ls | LC_ALL=C sort)
[ "$listing" = "$(printf '使い方.lnk\n「でたらめ瓦版」.lnk\n' | LC_ALL=C sort)" ] && ok || fail "Start-menu folder holds: $listing"
info=$(lnkinfo -c windows-932 "$folder/「でたらめ瓦版」.lnk" 2>/dev/null)
grep -q 'kawaban\.bat' <<<"$info" && ok || fail "the program's shortcut does not open kawaban.bat: $info"
info=$(lnkinfo -c windows-932 "$folder/使い方.lnk" 2>/dev/null)
grep -q 'kawaban\.hlp' <<<"$info" && ok || fail "the help shortcut does not open kawaban.hlp: $info"
add_to_start_menu
[ "$(cd "$folder" && ls | LC_ALL=C sort)" = "$listing" ] && ok || fail "a second run left: $(cd "$folder" && ls)"

xdotool key alt+F4
wait_program 10
[ "$program_status" = 0 ] && ok || fail "exit status $program_status"
e2e_end
