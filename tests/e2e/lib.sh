# Helpers for the end-to-end tests: the real program under Wine in Xvfb, driven from
# outside with xdotool, observed through window geometry, screenshots and exit codes.
# Sourced by the test scripts; needs KAWABAN_PROBE (the win_probe.exe path) in the
# environment or beside the program.
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$e2e_root/scripts/env.sh"
wine_run="$e2e_root/scripts/wine-run"
e2e_passes=0
e2e_failures=0
e2e_pid=
e2e_xvfb=

ok() { e2e_passes=$((e2e_passes + 1)); }
fail() { echo "FAIL: $*"; e2e_failures=$((e2e_failures + 1)); }

# A test may set e2e_restore to a command that puts back what it changed outside its
# scratch folder; it runs however the test ends.
e2e_restore=

e2e_cleanup() {
    [ -n "$e2e_restore" ] && eval "$e2e_restore"
    [ -n "$e2e_pid" ] && kill "$e2e_pid" 2>/dev/null
    [ -n "$e2e_xvfb" ] && kill "$e2e_xvfb" 2>/dev/null
    [ -n "${e2e_work:-}" ] && rm -rf "$e2e_work"
}

e2e_begin() {
    e2e_work=$(mktemp -d)
    trap e2e_cleanup EXIT
    # Use the display the test run provides; alone, start a private one.
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        local n
        for n in $(seq 91 120); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        e2e_xvfb=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    fi
    KAWABAN_PROBE=${KAWABAN_PROBE:-$(dirname "$exe")/win_probe.exe}
    KAWABAN_PREVIEW_HOST=${KAWABAN_PREVIEW_HOST:-$(dirname "$exe")/preview_host.exe}
    # The program runs from a scratch copy of its folder, so the settings file it keeps
    # beside itself starts missing and never reaches another test.
    local app="$e2e_work/app" file
    mkdir -p "$app"
    for file in "$exe" "$(dirname "$exe")/Kawaban.scr" "$(dirname "$exe")/kawaban.html" "$(dirname "$exe")/kawaban.bat"; do
        [ -e "$file" ] && cp "$file" "$app/"
    done
    exe="$app/$(basename "$exe")"
    cfg="$app/kawaban.cfg"
}

# e2e_end prints the plain summary line and exits with the outcome.
e2e_end() {
    echo "$(basename "$0" .sh): $e2e_passes passed, $e2e_failures failed"
    [ "$e2e_failures" = 0 ]
    exit $?
}

# start_program EXE [ARGS...]: runs it in the background under Wine. A program still
# running from an earlier step of the test is ended first: its windows would be taken for
# the new one's.
start_program() {
    if [ -n "$e2e_pid" ]; then
        kill -9 "$e2e_pid" 2>/dev/null
        wait "$e2e_pid" 2>/dev/null
    fi
    "$wine_run" "$@" </dev/null >"$e2e_work/program.out" 2>&1 &
    e2e_pid=$!
}

# wait_program SECONDS: waits for the program to end and sets program_status to its exit
# status, or to "timeout". (Not in a command substitution: only this shell can wait for it.)
wait_program() {
    local limit=$(( $1 * 10 ))
    program_status=timeout
    for _ in $(seq 1 $limit); do
        if ! kill -0 "$e2e_pid" 2>/dev/null; then
            wait "$e2e_pid"
            program_status=$?
            e2e_pid=
            return
        fi
        sleep 0.1
    done
}

# find_window TITLE: prints the X window id of the visible window with that exact title.
find_window() {
    "$wine_run" "$KAWABAN_PROBE" wait "$1" 20 || return 1
    local id
    for _ in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# client_geometry TITLE: the client area in screen pixels as WxH+X+Y, as Windows sees it.
client_geometry() {
    "$wine_run" "$KAWABAN_PROBE" client "$1" | tr -d '\r'
}

# window_geometry TITLE: the whole window (frame included) as WxH+X+Y.
window_geometry() {
    "$wine_run" "$KAWABAN_PROBE" window "$1" | tr -d '\r'
}

# screenshot FILE: the whole screen.
screenshot() {
    import -window root "$1"
}

# yellow_pixels W H X Y [FILE]: how many pure-yellow pixels the rectangle holds.
yellow_pixels() {
    local shot=${5:-$e2e_work/shot.png}
    [ -n "${5:-}" ] || screenshot "$shot"
    convert "$shot" -crop "$1x$2+$3+$4" +repage -fuzz 10% -fill white -opaque 'rgb(255,255,0)' \
        -fill black +opaque white -format '%[fx:int(mean*w*h)]' info:
}

# focus_is PATTERN [SECONDS]: waits until the window that has the keyboard (as X sees it) has
# the geometry WxH+X+Y matching the extended regular expression PATTERN; keys sent before
# that could go to the window that had it before.
focus_is() {
    local limit=$(( ${2:-10} * 10 )) position size
    for _ in $(seq 1 "$limit"); do
        read -r position size < <(xdotool getwindowfocus getwindowgeometry 2>/dev/null |
            sed -n 's/^ *Position: \([0-9-]*\),\([0-9-]*\).*/\1+\2/p; s/^ *Geometry: //p' | tr '\n' ' ')
        printf '%s+%s\n' "$size" "$position" | grep -Eqx "$1" && return 0
        sleep 0.1
    done
    return 1
}

# window_gone TITLE [SECONDS]: waits until no visible window has that title.
window_gone() {
    "$wine_run" "$KAWABAN_PROBE" gone "$1" "${2:-10}"
}

# wine_path FILE: the path of a Linux file as the program sees it (drive Z:).
wine_path() {
    local path
    path=$(readlink -f "$1")
    echo "Z:${path//\//\\}"
}

# open_in_dialog TITLE FILE: in the file dialog TITLE (open now), types FILE and presses Enter.
open_in_dialog() {
    find_window "$1" >/dev/null || return 1
    sleep 0.3
    xdotool type --delay 20 "$(wine_path "$2")"
    xdotool key Return
    window_gone "$1" 10
}

# write_cfg LINE...: the program's kawaban.cfg with these lines, as the program writes them
# (code page 932, CR LF); cfg_is WHAT LINE...: kawaban.cfg holds exactly these lines.
write_cfg() {
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >"$cfg"
}
cfg_is() {
    local what=$1 want
    shift
    want=$(printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 | od -c)
    [ "$(od -c <"$cfg")" = "$want" ] && ok || {
        fail "kawaban.cfg after $what:"
        iconv -f CP932 -t UTF-8 <"$cfg"
    }
}

# windows_are PATTERN [SECONDS]: waits until the visible windows titled でたらめ瓦版 are exactly
# one line matching the extended regular expression PATTERN ("WxH+X+Y popup|framed
# topmost|normal"), and that window has the keyboard; what was seen is left in $seen.
windows_are() {
    local limit=$(( ${2:-10} * 5 ))
    for _ in $(seq 1 "$limit"); do
        seen=$("$wine_run" "$KAWABAN_PROBE" list 'でたらめ瓦版' | tr -d '\r')
        if [ "$(printf '%s\n' "$seen" | wc -l)" = 1 ] && printf '%s\n' "$seen" | grep -Eqx "$1"; then
            focus_is "${1%% *}" "${2:-10}" && return 0
            seen="$seen (without the keyboard)"
            return 1
        fi
        sleep 0.2
    done
    return 1
}

# still_running: the program started last has not ended.
still_running() {
    [ -n "$e2e_pid" ] && kill -0 "$e2e_pid" 2>/dev/null
}
