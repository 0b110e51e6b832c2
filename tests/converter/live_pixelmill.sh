#!/usr/bin/env bash
# Pixelmill's window on a real X server (Xvfb): a brush strip opened through File/Open ("o", the file
# dialog), a setting typed, saved through Save As ("s"), and the window's picture taken after each step.
# Usage: live_pixelmill.sh ROOT PIXELMILL; with ROOT/spin4.bmp; writes ROOT/spin.bru, ROOT/opened.xwd,
# ROOT/saved.xwd and ROOT/caption.txt.
set -u
root=$1
pixelmill=$2
export HOME="$root"
# Without a window manager the keyboard goes where xdotool puts it.
session='
focus() {
  local found=""
  for _ in $(seq 1 50); do
    found=$(xdotool search --name "$1" 2>/dev/null | tail -n 1)
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] && xdotool windowfocus --sync "$found" 2>/dev/null
  sleep 0.3
}
cd "$2"
"$1" 2>"$2/pixelmill.log" &
pid=$!
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --name "^Pixelmill$" 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.1
done
focus "^Pixelmill$"
xdotool key o
focus "^Open$"
xdotool key ctrl+l
sleep 0.7
xdotool type --delay 60 "spin4.bmp"
xdotool key Return
sleep 1.5
xdotool getwindowname "$window" >"$2/caption.txt"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool mousemove --window "$window" 20 276 click 1
sleep 0.3
xdotool key ctrl+a
xdotool type "3"
sleep 0.5
xwd -id "$window" -silent -out "$2/opened.xwd"
xdotool key Tab
sleep 0.3
xdotool key s
focus "^Save Brush as:$"
xdotool key ctrl+a
xdotool type --delay 60 "spin.bru"
xdotool key Return
for _ in $(seq 1 50); do [ -s "$2/spin.bru" ] && break; sleep 0.1; done
sleep 0.5
xwd -id "$window" -silent -out "$2/saved.xwd"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key q
for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill $pid 2>/dev/null
'
# A desktop that a server just shutting down on the same number took from under Pixelmill ("Can't open
# display") is nobody's fault here: the session is tried once more.
for _ in 1 2; do
  rm -f "$root/pixelmill.log"
  timeout 60 xvfb-run -a -s '-screen 0 800x600x24' bash -c "$session" session "$pixelmill" "$root" >/dev/null 2>&1
  grep -q "Can't open display" "$root/pixelmill.log" 2>/dev/null || break
done
exit 0
