#!/usr/bin/env bash
# Pixelmill's window on a real X server (Xvfb): a brush strip opened through File/Open ("o", the file
# dialog), a setting typed, saved through Save As ("s"), and the window's picture taken after each step.
# Usage: live_pixelmill.sh ROOT PIXELMILL; with ROOT/spin4.bmp; writes ROOT/spin.bru, ROOT/opened.xwd,
# ROOT/saved.xwd and ROOT/caption.txt.
set -u
root=$1
pixelmill=$2
export HOME="$root"
session='
"$1" 2>"$2/pixelmill.log" &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "^Pixelmill$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
xdotool windowactivate --sync "$window" 2>/dev/null
sleep 0.5
xdotool key o
sleep 1.5
xdotool type --delay 20 "$2/spin4.bmp"
xdotool key Return
sleep 1.5
xdotool getwindowname "$window" >"$2/caption.txt"
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool mousemove --window "$window" 20 276 click 1
sleep 0.3
xdotool key ctrl+a
xdotool type "3"
sleep 0.5
xwd -id "$window" -silent -out "$2/opened.xwd"
xdotool mousemove --window "$window" 300 100 click 1
sleep 0.3
xdotool key s
sleep 1.5
xdotool key ctrl+a
xdotool type --delay 20 "$2/spin.bru"
xdotool key Return
for _ in $(seq 1 50); do [ -s "$2/spin.bru" ] && break; sleep 0.1; done
sleep 0.5
xwd -id "$window" -silent -out "$2/saved.xwd"
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key q
for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill $pid 2>/dev/null
'
timeout 60 xvfb-run -a -s '-screen 0 800x600x24' bash -c "$session" session "$pixelmill" "$root" >/dev/null 2>&1
exit 0
