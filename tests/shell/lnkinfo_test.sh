#!/usr/bin/env bash
# Shortcuts written through Wine's real shell link object, read by an independent reader
# (lnkinfo, from liblnk-utils): lnkinfo_test.sh WRITER RUNNER
# WRITER is shell_link_writer.exe, RUNNER scripts/wine-run. C:\ is the prefix's drive_c.
# lnkinfo 20181227 prints 0 for every show command and hotkey, so those two are read from
# the file's header (offsets 0x3C and 0x40 of the shell link format) instead.
set -u
writer=$(realpath "$1")
runner=$2
. "$(dirname "$0")/../../scripts/env.sh"
drive_c="$KAWABAN_WINEPREFIX/drive_c"
work_name="kawaban-lnk-test-$$"
work="$drive_c/$work_name"
win_work="C:\\$work_name"
failures=0
passes=0
start_menu=
cleanup() {
    # The prefix's Start-menu folder is left as it was found.
    if [ -n "$start_menu" ]; then
        rm -rf "$start_menu"
        [ -d "$work/start-menu-before" ] && mv "$work/start-menu-before" "$start_menu"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work"

ok() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# field FILE NAME: the value lnkinfo shows for NAME, Shift-JIS strings decoded.
field() { lnkinfo -c windows-932 "$1" | tr -d '\r' | sed -n "s/^[[:space:]]*$2[[:space:]]*: //p" | head -n 1; }
expect_field() {  # expect_field FILE NAME WANT
    local got
    got=$(field "$1" "$2")
    [ "$got" = "$3" ] && ok || fail "$(basename "$1"): $2 is '$got', wanted '$3'"
}
# header FILE: show command (4 bytes) and hotkey (2 bytes) as hex bytes.
header() { od -An -tx1 -j 60 -N 6 "$1" | tr -s ' ' | sed 's/^ //; s/ $//'; }
expect_header() {  # expect_header FILE WANT
    local got
    got=$(header "$1")
    [ "$got" = "$2" ] && ok || fail "$(basename "$1"): show command and hotkey bytes '$got', wanted '$2'"
}
write_link() {  # write_link NAME TARGET WORKDIR ICON INDEX ARGUMENTS STATE SCKEY
    "$runner" "$writer" link "$win_work" "$@" >"$work/writer.out" 2>&1 \
        && ok || { fail "writing $1"; cat "$work/writer.out"; }
}

# Every property, with Shift-JIS in the file name, the folders (ソ's second byte is 0x5C)
# and the arguments; Maximize is show command 3 and Ctrl+Shift+F5 the hotkey 0x0374.
soft="$win_work\\ソフト"
write_link '「でたらめ瓦版」' "$soft\\Kawaban.exe" "$soft" "$soft\\Kawaban.exe" 2 '/s 表示' maximize 0x6074
link="$work/「でたらめ瓦版」.lnk"
expect_field "$link" 'Local path' "$soft\\Kawaban.exe"
expect_field "$link" 'Working directory' "$soft"
expect_field "$link" 'Icon location' "$soft\\Kawaban.exe"
expect_field "$link" 'Icon index' 2
expect_field "$link" 'Command line arguments' '/s 表示'
expect_header "$link" '03 00 00 00 74 03'

# Nothing but the target: show command 0 as the component holds it, no hotkey (a code of
# modifiers only sets none).
write_link 'plain' "$win_work\\tool.exe" '' '' 0 '' none 0x2000
expect_field "$work/plain.lnk" 'Local path' "$win_work\\tool.exe"
expect_header "$work/plain.lnk" '00 00 00 00 00 00'
write_link 'minimized' "$win_work\\tool.exe" '' '' 0 '' minimize 0xC041
expect_header "$work/minimized.lnk" '07 00 00 00 41 06'

# The Start-menu command, twice: the folder and both shortcuts, pointing beside the running
# executable (the writer, whose folder holds the kawaban.bat the build copies there).
bin=$(dirname "$writer")
win_bin="Z:$(printf '%s' "$bin" | tr / '\\')"
programs=$("$runner" "$writer" programs </dev/null 2>/dev/null | tr -d '\r')
case $programs in
    [Cc]:\\*) ok ;;
    *) fail "Programs folder '$programs' is not on C:" ;;
esac
programs_unix="$drive_c/$(printf '%s' "${programs#?:\\}" | tr '\\' /)"
start_menu="$programs_unix/でたらめ瓦版"
# A folder left by an earlier run of the program is put aside, so that this run makes it.
[ -d "$start_menu" ] && mv "$start_menu" "$work/start-menu-before"
program_link="$start_menu/「でたらめ瓦版」.lnk"
help_link="$start_menu/使い方.lnk"
# Run twice: the first makes the folder, the second finds it there and writes both shortcuts
# again (its exit status says both were written), the same.
# (Not compared byte for byte: the target's item list carries the modification times of
# the folders on its way, which other tests may change meanwhile.)
for run in first second; do
    "$runner" "$writer" startmenu </dev/null >"$work/startmenu.out" 2>&1 \
        && ok || { fail "$run Start-menu command"; cat "$work/startmenu.out"; }
    expect_field "$program_link" 'Local path' "$win_bin\\kawaban.bat"
    expect_field "$program_link" 'Working directory' "$win_bin"
    expect_field "$program_link" 'Icon location' "$win_bin\\shell_link_writer.exe"
    expect_field "$program_link" 'Icon index' 0
    expect_header "$program_link" '00 00 00 00 00 00'
    expect_field "$help_link" 'Local path' "$win_bin\\kawaban.hlp"
    expect_field "$help_link" 'Working directory' "$win_bin"
    expect_field "$help_link" 'Icon location' "$win_bin\\kawaban.hlp"
    expect_header "$help_link" '00 00 00 00 00 00'
    [ "$(ls "$start_menu" | wc -l)" = 2 ] && ok || fail "$run run: the Start-menu folder holds $(ls "$start_menu")"
done

# The batch file the program entry opens stands beside the executable, with CR LF lines.
bat="$bin/kawaban.bat"
[ -f "$bat" ] && [ "$(grep -c $'\r$' "$bat")" = "$(wc -l <"$bat")" ] && grep -q 'Kawaban.exe' "$bat" \
    && ok || fail "kawaban.bat beside the executable"

echo "lnkinfo_test: $passes passed, $failures failed"
[ "$failures" = 0 ]
