#!/usr/bin/env bash
# End-to-end scenarios: the real talvoro in a real X server, driven by real
# keystrokes and clicks, checked through what a user sees (the transcript
# copied to the clipboard, the screen, the settings file on disk).
#
#   xvfb-run -a -s "-screen 0 1024x768x24" \
#       bash talvoro_e2e.sh SCENARIO /path/to/talvoro /path/to/scripts.tvo OUTDIR
#
# Each run works in a fresh copy of the program directory, so the settings
# file it writes lands there. Nothing waits a fixed time: every step polls for
# the condition it needs, with a generous limit, because CI machines are busy.
set -uo pipefail

scenario=$1
app_binary=$2
bundled_scripts=$3
out_dir=$4

readonly window_name='^Talvoro$'
readonly poll_limit_s=20

mkdir -p "$out_dir"
work_dir=$(mktemp -d "${TMPDIR:-/tmp}/talvoro-e2e.XXXXXX")
program_dir="$work_dir/program"
mkdir -p "$program_dir"
cp "$app_binary" "$program_dir/talvoro"
cp "$bundled_scripts" "$program_dir/scripts.tvo"

app_pid=""
wm_pid=""
wid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    rm -rf "$work_dir"
}
trap cleanup EXIT

fail() {
    echo "FAIL ($scenario): $*" >&2
    import -window root "$out_dir/$scenario-failure.png" 2>/dev/null
    [ -f "$out_dir/$scenario-app.log" ] && sed 's/^/  app: /' "$out_dir/$scenario-app.log" >&2
    exit 1
}

# Runs a command until it succeeds, at most poll_limit_s seconds.
poll() {
    local deadline=$((SECONDS + poll_limit_s))
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# ---- the window manager (only for closing the way a user does) ------------------

wm_is_running() { wmctrl -m >/dev/null 2>&1; }

start_window_manager() {
    openbox --sm-disable >"$out_dir/$scenario-wm.log" 2>&1 &
    wm_pid=$!
    poll wm_is_running || fail "openbox did not start"
}

# ---- the program ---------------------------------------------------------------

start_app() {
    (cd "$program_dir" && exec ./talvoro) >"$out_dir/$scenario-app.log" 2>&1 &
    app_pid=$!
    wid=$(timeout $poll_limit_s xdotool search --sync --onlyvisible --name "$window_name" | head -1)
    [ -n "$wid" ] || fail "the window did not appear"
    focus_window "$wid"
    # "Q" shows the bottom band, where "Lock" is, and ">" the extended width,
    # where "Output to Clipboard" is. "Q" gives the keyboard to the quick
    # panel, so the input line takes it back.
    click_at 176 194
    click_at 192 194
    # The X server sends a click to whatever lies under the pointer at that
    # moment, so clicks into the grown window wait until it has grown.
    poll window_is_full_size || fail "the window did not grow to show the bottom row and the surface"
    click_input_line
}

# At least the client area that holds "Output to Clipboard" and the surface
# (a window manager's frame takes a few pixels of the outer 435x380).
window_is_full_size() {
    local width height
    eval "$(xdotool getwindowgeometry --shell "$wid" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
    [ "$width" -ge 428 ] && [ "$height" -ge 354 ]
}

focus_window() {
    poll timeout 5 xdotool windowfocus --sync "$1" || fail "could not focus window $1"
}

app_is_alive() { kill -0 "$app_pid" 2>/dev/null; }

# Clicks at a point given relative to the main window's client area. The
# pointer goes to the corner first: a --sync move waits until the pointer has
# left where it was, forever when it is already at the point.
click_at() {
    timeout 10 xdotool mousemove --window "$wid" 0 0 mousemove --sync --window "$wid" "$1" "$2" click 1 ||
        fail "click at $1,$2 failed"
}

# The input line, clicked to give it the keyboard back after a button took it.
click_input_line() { click_at 100 165; }

type_line() {
    xdotool type --delay 25 -- "$1" || fail "typing '$1' failed"
    xdotool key Return || fail "Return failed"
}

# ---- reading the transcript ----------------------------------------------------

clipboard_text() { timeout 3 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'; }

# True when the transcript, copied by "Output to Clipboard", ends with the
# given lines (one argument per line).
transcript_ends_with() {
    local expected
    expected=$(printf '%s\n' "$@")
    click_at 264 344
    local text
    text=$(clipboard_text) || return 1
    local tail_lines
    tail_lines=$(printf '%s\n' "$text" | sed '/^$/d' | tail -n $#)
    [ "$tail_lines" = "$expected" ]
}

expect_transcript_ends_with() {
    if ! poll transcript_ends_with "$@"; then
        echo "expected the transcript to end with:" >&2
        printf '  |%s\n' "$@" >&2
        echo "transcript was:" >&2
        clipboard_text | sed 's/^/  |/' >&2
        fail "transcript mismatch"
    fi
    click_input_line
}

# ---- reading the screen --------------------------------------------------------

window_origin() { xdotool getwindowgeometry --shell "$wid" | sed -n 's/^\(X\|Y\)=//p' | tr '\n' ' '; }

# Number of dark pixels in a rectangle of the window's client area.
dark_pixels_in() {
    local x=$1 y=$2 w=$3 h=$4 shot="$work_dir/shot.png"
    read -r ox oy <<<"$(window_origin)"
    import -window root "$shot" 2>/dev/null || return 1
    convert "$shot" -crop "${w}x${h}+$((ox + x))+$((oy + y))" +repage -colorspace Gray -threshold 50% \
        -negate -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}

# The line MainForm.DrawLine 10, 100, 200, 100 draws on the surface: dark
# pixels along most of it.
line_is_drawn() { local n; n=$(dark_pixels_in 223 95 170 11) && [ "${n:-0}" -ge 150 ]; }

# ---- the scenarios -------------------------------------------------------------

# Brackets are closed for the user, the answer feeds the next line, and Up
# brings back what was typed.
scenario_console() {
    start_app
    type_line '1+(2+(3'
    expect_transcript_ends_with '1+(2+(3))' 'A:6'
    type_line '/2'
    expect_transcript_ends_with '1+(2+(3))' 'A:6' 'Ans/2' 'A:3'
    # Up twice: first "/2" as it was typed, then the line before it.
    xdotool key Up Up Return || fail "keys failed"
    expect_transcript_ends_with 'Ans/2' 'A:3' '1+(2+(3))' 'A:6'
}

# A script run from the quick panel draws a line that shows on the screen once
# the window has its extended width.
scenario_quick_panel_draws() {
    start_app
    # The surface (203,0)-(428,201) is white before anything is drawn.
    line_band_is_blank() { [ "$(dark_pixels_in 213 95 190 11)" = 0 ]; }
    poll line_band_is_blank || fail "the surface is not blank at start"
    click_at 100 270   # into the quick panel's text
    xdotool type --delay 25 -- 'MainForm.DrawLine 10, 100, 200, 100' || fail "typing failed"
    click_at 20 345    # "Run"
    poll line_is_drawn || fail "no line on the surface (dark pixels: $(dark_pixels_in 223 95 170 11))"
    [ "$(dark_pixels_in 213 20 190 60)" = 0 ] || fail "the surface has marks away from the line"
    import -window root "$out_dir/quick_panel_draws.png"
}

# A script question answered in the input box.
scenario_input_box() {
    start_app
    type_line 'MainForm.GetIVal("How much?")'
    local box
    box=$(timeout $poll_limit_s xdotool search --sync --onlyvisible --name '^Input Box$' | head -1)
    [ -n "$box" ] || fail "the input box did not appear"
    focus_window "$box"
    type_line '2*3'
    expect_transcript_ends_with 'MainForm.GetIVal("How much?")' 'A:6'
}

settings_file_is_complete() {
    [ -f "$program_dir/defaults.txt" ] && [ "$(wc -l <"$program_dir/defaults.txt")" -eq 8 ]
}

expect_default_settings_file() {
    local expected
    expected=$(printf '%s\r\n' 'TextEditor=xdg-open' 'OnTop= 0' "MainScriptFile=$program_dir/scripts.tvo" \
        'WindowNormal= 207' 'WindowExtended= 435' 'NormalHeight= 229' 'QuickVisibleHeight= 380' \
        'InputBoxMaxOKS= 5'; echo x)
    local actual
    actual=$(cat "$program_dir/defaults.txt"; echo x)
    if [ "$actual" != "$expected" ]; then
        echo "defaults.txt was:" >&2
        cat -A "$program_dir/defaults.txt" >&2
        fail "defaults.txt does not hold the eight default lines"
    fi
}

app_has_exited() { ! app_is_alive; }

# After a close request: the program ends with status 0 and has written its
# settings file.
expect_exit_with_settings() {
    poll app_has_exited || fail "the program did not exit after the close request"
    wait "$app_pid"
    local status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program exited with status $status"
    settings_file_is_complete || fail "no complete defaults.txt after closing"
}

# Closing the window through the window manager writes the settings file.
scenario_close_writes_settings() {
    start_window_manager
    start_app
    [ ! -e "$program_dir/defaults.txt" ] || fail "defaults.txt exists before the first close"
    wmctrl -c Talvoro || fail "wmctrl -c failed"
    expect_exit_with_settings
    expect_default_settings_file
}

other_visible_window() {
    xdotool search --onlyvisible --name "$window_name" 2>/dev/null | grep -vx "$wid" | head -1
}

message_box_is_shown() { [ -n "$(other_visible_window)" ]; }

# Answers the lock message that a refused close request shows: it must say
# the calculator is locked; the settings file is written and the program lives.
expect_locked_close_refused() {
    poll message_box_is_shown || fail "no lock message after the close request"
    local box
    box=$(other_visible_window)
    focus_window "$box"
    # Ctrl+C copies the box's title and text, as the user would read them.
    box_says_locked() {
        xdotool key --window "$box" ctrl+c || return 1
        [ "$(clipboard_text)" = "$(printf 'Talvoro\n\nCalculator is locked from closing')" ]
    }
    if ! poll box_says_locked; then
        echo "the box said:" >&2
        clipboard_text | sed 's/^/  |/' >&2
        fail "the message box does not say the calculator is locked"
    fi
    xdotool key Return
    no_other_window() { [ -z "$(other_visible_window)" ]; }
    poll no_other_window || fail "the lock message did not go away"
    poll settings_file_is_complete || fail "no defaults.txt after the refused close"
    app_is_alive || fail "the program exited although locked"
}

# "Lock" turns the close request down with a message, but still saves.
scenario_lock_keeps_open() {
    start_window_manager
    start_app
    click_at 162 346   # "Lock"
    wmctrl -c Talvoro || fail "wmctrl -c failed"
    expect_locked_close_refused
    xdotool search --onlyvisible --name "$window_name" | grep -qx "$wid" || fail "the window is gone"
    # Still usable.
    focus_window "$wid"
    click_input_line
    type_line '2+2'
    expect_transcript_ends_with '2+2' 'A:4'
}

# A runaway script leaves the window usable and stops at Escape (and at
# Ctrl+Break); the engine keeps the script's variables.
scenario_interrupt() {
    start_app
    type_line '!Do: n = n + 1: Loop'
    # "Output to Clipboard" works while the script runs: the window responds.
    expect_transcript_ends_with 'E:Do: n = n + 1: Loop'
    xdotool key Escape || fail "Escape failed"
    expect_transcript_ends_with 'E:Do: n = n + 1: Loop' 'Error:Script interrupted by the user'
    # What the running script drew shows on the surface before it ends.
    type_line '!MainForm.DrawLine 10, 100, 200, 100: Do: Loop'
    poll line_is_drawn || fail "the drawing did not show while the script ran"
    xdotool key ctrl+Break || fail "Ctrl+Break failed"
    expect_transcript_ends_with 'E:MainForm.DrawLine 10, 100, 200, 100: Do: Loop' \
        'Error:Script interrupted by the user'
    type_line 'n>0'
    expect_transcript_ends_with 'n>0' 'A:True'
}

# Windows of the program on the screen: the main window, and the completion
# popup while it is shown.
visible_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l; }

# Typing a name offers what completes it in a popup under the line; Down and
# Enter take a name from it, and the keys typed next still reach the line.
scenario_completion_popup() {
    start_app
    local before
    before=$(visible_windows)
    popup_is_shown() { [ "$(visible_windows)" -gt "$before" ]; }
    popup_is_gone() { [ "$(visible_windows)" -eq "$before" ]; }
    xdotool type --delay 25 -- '!MainForm.Dr' || fail "typing failed"
    poll popup_is_shown || fail "no popup appeared"
    sleep 0.3  # let it paint before the picture is taken
    read -r ox oy <<<"$(window_origin)"
    import -window root "$work_dir/root.png" || fail "no screenshot"
    convert "$work_dir/root.png" -crop "480x384+$((ox > 4 ? ox - 4 : 0))+$((oy > 4 ? oy - 4 : 0))" +repage \
        "$out_dir/completion_popup.png" || fail "the screenshot could not be cropped"
    xdotool key Down Return || fail "keys failed"
    poll popup_is_gone || fail "the popup stayed after Enter"
    type_line ' 5, 5'
    expect_transcript_ends_with 'E:MainForm.DrawDot 5, 5'
    # A click on the third row (DrawLine) takes it, and leaves the keyboard
    # with the line.
    xdotool type --delay 25 -- '!MainForm.Dr' || fail "typing failed"
    poll popup_is_shown || fail "no popup appeared the second time"
    local popup
    popup=$(xdotool search --onlyvisible --pid "$app_pid" | grep -v -x "$wid" | head -1)
    local row_height=$(( $(xdotool getwindowgeometry --shell "$popup" | sed -n 's/^HEIGHT=//p') / 3 ))
    timeout 10 xdotool mousemove --window "$popup" 20 $((row_height * 5 / 2)) click 1 || fail "click on the popup failed"
    poll popup_is_gone || fail "the popup stayed after the click"
    type_line ' 1, 1, 5, 5'
    expect_transcript_ends_with 'E:MainForm.DrawDot 5, 5' 'E:MainForm.DrawLine 1, 1, 5, 5'
}

# The first key typed after a click on "Run" or "Output to Clipboard" reaches
# the input line.
scenario_first_key_after_buttons() {
    start_app
    click_at 20 345    # "Run" (the quick panel is empty)
    type_line '12+1'
    expect_transcript_ends_with '12+1' 'A:13'
    click_at 264 344   # "Output to Clipboard"
    type_line '12+2'
    expect_transcript_ends_with '12+2' 'A:14'
}

# Position of a window in the window manager's stacking order (bottom first).
stacking_position() {
    local hex
    hex=$(printf '0x%x' "$1")
    xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep -n -x -i "$hex" | cut -d: -f1
}

expect_above() {
    local upper lower
    upper=$(stacking_position "$1") lower=$(stacking_position "$2")
    [ -n "$upper" ] && [ -n "$lower" ] && [ "$upper" -gt "$lower" ] || fail "$3 (stacking $upper over $lower)"
}

# With "On Top" the input box opens above the window, and its refusal above it.
scenario_on_top_input_box() {
    start_window_manager
    start_app
    click_at 28 194    # "On Top"
    click_input_line
    type_line 'MainForm.GetIVal("Top?")'
    local box
    box=$(timeout $poll_limit_s xdotool search --sync --onlyvisible --name '^Input Box$' | head -1)
    [ -n "$box" ] || fail "the input box did not appear"
    expect_above "$box" "$wid" "the input box is not above the window"
    focus_window "$box"
    type_line '2*'
    refusal_is_shown() { [ -n "$(other_visible_window)" ]; }
    poll refusal_is_shown || fail "no refusal for 2*"
    local refusal
    refusal=$(other_visible_window)
    expect_above "$refusal" "$box" "the refusal is not above the input box"
    focus_window "$refusal"
    xdotool key Return
    focus_window "$box"
    xdotool key Escape  # stops the script that asks
    expect_transcript_ends_with 'MainForm.GetIVal("Top?")' 'Error:Script interrupted by the user'
}

# Closing the window while a script's input box waits stops the script, then
# closes as any close does: the settings file is written.
scenario_close_during_question() {
    start_window_manager
    start_app
    type_line 'MainForm.GetIVal("Never answered")'
    local box
    box=$(timeout $poll_limit_s xdotool search --sync --onlyvisible --name '^Input Box$' | head -1)
    [ -n "$box" ] || fail "the input box did not appear"
    wmctrl -i -c "$wid" || fail "wmctrl -c failed"
    expect_exit_with_settings
}

# With "Lock" a close request while a script runs is refused and the script
# goes on to its end. It loops until the file "go" appears, made after the
# refusal.
scenario_locked_close_during_run() {
    start_window_manager
    start_app
    click_at 162 346   # "Lock"
    click_input_line
    local script='!Set f = CreateObject("Scripting.FileSystemObject"): Do Until f.FileExists("go"): Loop: MainForm.OPrint "finished"'
    type_line "$script"
    expect_transcript_ends_with "E:${script#!}"
    wmctrl -i -c "$wid" || fail "wmctrl -c failed"
    expect_locked_close_refused
    touch "$program_dir/go"
    focus_window "$wid"
    expect_transcript_ends_with "E:${script#!}" 'finished'
}

# With "Lock" a close request while the script's input box waits is refused;
# the box stays and its answer reaches the script.
scenario_locked_close_during_question() {
    start_window_manager
    start_app
    click_at 162 346   # "Lock"
    click_input_line
    type_line 'MainForm.GetIVal("Locked?")'
    local box
    box=$(timeout $poll_limit_s xdotool search --sync --onlyvisible --name '^Input Box$' | head -1)
    [ -n "$box" ] || fail "the input box did not appear"
    wmctrl -i -c "$wid" || fail "wmctrl -c failed"
    expect_locked_close_refused
    xdotool search --onlyvisible --name '^Input Box$' | grep -qx "$box" || fail "the input box went away"
    focus_window "$box"
    type_line '6*7'
    expect_transcript_ends_with 'MainForm.GetIVal("Locked?")' 'A:42'
}

window_size_is() {
    eval "$(xdotool getwindowgeometry --shell "$wid" | grep -E '^(WIDTH|HEIGHT)=')"
    [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]
}
window_is_mapped() { xwininfo -id "$wid" | grep -q 'Map State: IsViewable'; }
window_is_unmapped() { ! window_is_mapped; }

# A size the user gave the window survives minimising and restoring it.
scenario_minimise_keeps_size() {
    start_window_manager
    start_app
    xdotool windowsize "$wid" 500 420 || fail "windowsize failed"
    poll window_size_is 500 420 || fail "the window did not take the new size"
    xdotool windowminimize "$wid" || fail "windowminimize failed"
    poll window_is_unmapped || fail "the window did not minimise"
    wmctrl -i -a "$wid" || fail "wmctrl -a failed"
    poll window_is_mapped || fail "the window did not come back"
    sleep 1  # let a resize that would undo the size arrive
    window_size_is 500 420 || fail "the size was lost: $(xdotool getwindowgeometry "$wid" | tail -1)"
}

case "$scenario" in
console | quick_panel_draws | input_box | close_writes_settings | lock_keeps_open | interrupt | \
    first_key_after_buttons | completion_popup | on_top_input_box | minimise_keeps_size | close_during_question | \
    locked_close_during_run | locked_close_during_question) "scenario_$scenario" ;;
*) echo "unknown scenario: $scenario" >&2; exit 2 ;;
esac
echo "PASS ($scenario)"
