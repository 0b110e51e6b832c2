#!/usr/bin/env bash
# The controls window on a desktop of its own (Xvfb, 1024 x 768, so the controls are not magnified), used with
# xdotool as a person would: the drawing controls opened by their button, the tempo panel by the beat meter's
# icon, its slider dragged by hand from x 100 to x 150, then Escape. Orbex saves "Last_Session" as it quits.
# Usage: live_slider.sh ROOT ORBEX, with the program folder in ROOT/orbex; writes ROOT/code.txt and
# ROOT/controls.xwd (the controls window before the quit).
set -u
root=$1
orbex=$2
mkdir -p "$root/runtime" "$root/home" "$root/config"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime" HOME="$root/home" XDG_CONFIG_HOME="$root/config" ORBEX_HOME="$root/orbex"
export SDL_AUDIODRIVER=dummy

# The hand starts once Orbex presents its first picture (said with --verbose): a slower start, under the
# sanitizers on a busy machine, would otherwise take the first clicks before it listens to them.
session='
"$1" --window 640x480 --verbose 2>"$2/orbex.log" &
pid=$!
controls=""
for _ in $(seq 1 300); do
  controls=$(xdotool search --name "Orbex Controls" 2>/dev/null | head -n 1)
  [ -n "$controls" ] && grep -q "are presented" "$2/orbex.log" 2>/dev/null && break
  sleep 0.1
done
sleep 1
# A point of the controls window, in its own pixels.
at() { xdotool mousemove --window "$controls" "$1" "$2"; sleep 0.3; }
at 180 10
xdotool click 1
sleep 0.5
at 154 153
xdotool click 1
sleep 0.5
at 100 124
xdotool mousedown 1
for x in $(seq 105 5 150); do at "$x" 124; done
xdotool mouseup 1
sleep 0.5
xwd -id "$controls" -out "$2/controls.xwd" 2>/dev/null
window=$(xdotool search --name "Orbex Animation" 2>/dev/null | head -n 1)
[ -n "$window" ] && xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill $pid 2>/dev/null
wait $pid
echo $? >"$2/code.txt"
'
timeout 60 xvfb-run -a -s '-screen 0 1024x768x24' bash -c "$session" session "$orbex" "$root" >/dev/null 2>&1
exit 0
