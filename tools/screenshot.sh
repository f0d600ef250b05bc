#!/usr/bin/env bash
# Takes the README's screenshot: the application under Xvfb with a real text,
# the window expanded, saved as docs/screenshot.png.
# Usage: tools/screenshot.sh [path/to/quillory]
set -euo pipefail
cd "$(dirname "$0")/.."

app=${1:-build/release/shell/quillory}
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
for package in xvfb xdotool imagemagick fonts-noto-color-emoji; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$package"
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
# No tray host here, so the window opens at start-up.
HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  "$app" >"$work/app.log" 2>&1 &
pids+=($!)
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Quillory v[0-9.]+$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window did not open"; cat "$work/app.log"; exit 1; }

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool type --delay 2 --window "$window" \
  "Readability is a measure of how easily a reader can understand a written text. Short sentences help. So do plain words! Long, winding sentences that pile clause upon clause tend to exhaust even a patient reader, and technical vocabulary compounds the difficulty considerably. Write for your audience; check the figures, then revise."
sleep 1.5

eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshot.png
echo "wrote docs/screenshot.png (${WIDTH}x${HEIGHT})"
