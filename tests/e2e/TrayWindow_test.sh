#!/usr/bin/env bash
# Runs the real program in a private X server with a tray: a click on the tray
# icon opens the window under the pointer below the menu bar, typing grows it
# to the expanded height, and the typed text reaches the preferences file.
# Usage: TrayWindow_test.sh path/to/quillory
set -euo pipefail

app=$1
for tool in Xvfb trayer xdotool xwininfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

screen_width=1280
screen_height=800
tray_height=24
window_width=720
typed="The quick brown fox jumps over the lazy dog. It was a sunny day."

work=$(mktemp -d)
pids=()

# Stops what this script started, each by its id, waiting at most a few seconds.
cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  [ -f "$work/quillory.log" ] && sed 's/^/  quillory: /' "$work/quillory.log"
  exit 1
}

# Polls a command for up to thirty seconds: CI machines are loaded.
wait_for() {
  for _ in $(seq 300); do
    if "$@" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
  3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$work/display")"

trayer --edge top --align right --widthtype pixel --width 120 --height "$tray_height" \
  --SetDockType true --SetPartialStrut true >"$work/trayer.log" 2>&1 &
pids+=($!)
wait_for xdotool search --class trayer || fail "trayer did not start"

# Without a window manager nobody announces the work area; where xprop exists,
# publish the tray's strut as a desktop would, so the menu-bar height is not 0.
menu_bar=0
if command -v xprop >/dev/null; then
  xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA \
    "0, $tray_height, $screen_width, $((screen_height - tray_height))"
  menu_bar=$tray_height
fi

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
env -u DBUS_SESSION_BUS_ADDRESS HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$app" >"$work/quillory.log" 2>&1 &
pids+=($!)

find_icon() { xdotool search --onlyvisible --class Quillory | head -n 1; }
wait_for find_icon || fail "the tray icon did not appear"
# A click while the tray is still reparenting the icon can be lost.
icon_embedded() {
  local id parent
  id=$(find_icon) && parent=$(xwininfo -id "$id" -tree | grep 'Parent window id:') &&
    [[ $parent != *"(the root window)"* ]]
}
wait_for icon_embedded || fail "the tray did not embed the icon"
icon=$(find_icon)
xdotool mousemove --window "$icon" 10 10 click 1
eval "$(xdotool getmouselocation --shell)"

# Centred under the pointer, kept inside the screen, top below the menu bar.
left=$((X - window_width / 2))
if [ "$left" -lt 0 ]; then
  left=0
elif [ $((left + window_width)) -gt "$screen_width" ]; then
  left=$((screen_width - window_width))
fi

find_window() { xdotool search --onlyvisible --name '^Quillory v[0-9.]+$' | head -n 1; }
wait_for find_window || fail "no window after the tray click"
window=$(find_window)
geometry() { xdotool getwindowgeometry "$window" | tr -d ' ' | paste -sd ' '; }
has_geometry() { geometry | grep -q "Position:$1,$2(screen:0) Geometry:$3x$4"; }
wait_for has_geometry "$left" "$menu_bar" "$window_width" 320 ||
  fail "window at [$(geometry)], expected ${left},${menu_bar} ${window_width}x320"

xdotool mousemove --window "$window" 100 100 click 1
xdotool type --delay 15 "$typed"
wait_for has_geometry "$left" "$menu_bar" "$window_width" 770 ||
  fail "window at [$(geometry)] after typing, expected ${window_width}x770"

preferences="$work/config/com.velmoor/Quillory.conf"
wait_for grep -qxF "AnalyzeText=@ByteArray($typed)" "$preferences" ||
  fail "the typed text is not in $preferences"

# With the window below the tray, a second click on the icon closes it.
if [ "$menu_bar" -gt 0 ]; then
  xdotool mousemove --window "$icon" 10 10 click 1
  window_gone() { [ -z "$(find_window)" ]; }
  wait_for window_gone || fail "a second tray click did not close the window"
fi
echo "PASS"
