#!/usr/bin/env bash
# usage: open_from_menu.sh DESKTOP_ENTRY BIN_DIR FILE   (on an X display, e.g. under xvfb-run)
# Launches the desktop entry on FILE as the file manager does on a double-click (gio launch,
# Exec=korvane %f found on PATH), waits for the window that shows FILE, checks it carries the
# program icon, and ends the program again.
set -euo pipefail
entry=$1
bin=$2
file=$3
PATH="$bin:$PATH" gio launch "$entry" "$file"
window=$(timeout 60 xdotool search --sync --name "Datei: $(basename "$file")") || {
    echo "FAILED: no window shows $file" >&2
    exit 1
}
pid=$(xdotool getwindowpid "$window")
# a window without an icon reads "_NET_WM_ICON:  not found."
icon=$(xprop -id "$window" -len 16 _NET_WM_ICON)
kill "$pid"
[[ "$icon" == "_NET_WM_ICON(CARDINAL) ="* ]] || {
    echo "FAILED: the window has no icon: $icon" >&2
    exit 1
}
echo "the menu entry opened $file in a window with the program icon"
