#!/usr/bin/env bash
# A desktop made for one test: an X server (Xvfb), a PulseAudio server of its own whose only output is a
# null sink (so its monitor is the only recording source), a click track played into it with paplay, and
# orbex started with nothing chosen, in an 800 x 600 window, quit with Escape after SECONDS.
# With QUIET, the desktop is silent for QUIET seconds first: then the alert windows shown go to
# ROOT/alert.txt and the beats logged to ROOT/quiet_beats.txt, the music starts, and the seconds it took the
# first beat to follow go to ROOT/delay.txt ("none" when none came within ten).
# Usage: live_desktop.sh ROOT ORBEX SECONDS [QUIET], with ROOT/clicks.wav; writes ROOT/beats.txt and
# ROOT/code.txt.
set -u
root=$1
orbex=$2
seconds=$3
quiet=${4:-0}
mkdir -p "$root/runtime" "$root/home" "$root/config" "$root/orbex"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime" HOME="$root/home" XDG_CONFIG_HOME="$root/config" ORBEX_HOME="$root/orbex"
unset PULSE_SERVER SDL_AUDIODRIVER
# Orbex follows the desktop's media players: the tester's own must not play into the test.
unset DBUS_SESSION_BUS_ADDRESS

pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
  -L "module-null-sink sink_name=orbex_test" -L "module-native-protocol-unix" 2>"$root/pulse.log" &
pulse=$!
for _ in $(seq 1 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
player=
if [ "$quiet" = 0 ]; then
  paplay "$root/clicks.wav" 2>/dev/null &
  player=$!
fi

# Escape goes to the program's window, whichever of its windows has the keyboard.
session='
"$1" --window 800x600 --beat-log "$2/beats.txt" 2>"$2/orbex.log" &
pid=$!
player=
if [ "$4" != 0 ]; then
  sleep "$4"
  xdotool search --onlyvisible --name "^Alert$" >"$2/alert.txt" 2>/dev/null
  cat "$2/beats.txt" 2>/dev/null | wc -l >"$2/quiet_beats.txt"
  paplay "$2/clicks.wav" 2>/dev/null &
  player=$!
  start=$(date +%s.%N)
  delay=none
  for _ in $(seq 1 200); do
    if [ -s "$2/beats.txt" ]; then
      delay=$(echo "$(date +%s.%N) - $start" | bc)
      break
    fi
    sleep 0.05
  done
  echo "$delay" >"$2/delay.txt"
fi
sleep "$3"
window=$(xdotool search --name "Orbex Animation" 2>/dev/null | head -n 1)
[ -n "$window" ] && xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
# One held by a modal alert does not quit even when asked to.
if kill $pid 2>/dev/null; then
  sleep 1
  kill -9 $pid 2>/dev/null
fi
wait $pid
echo $? >"$2/code.txt"
[ -n "$player" ] && kill $player 2>/dev/null
'
timeout $((seconds + quiet + 50)) xvfb-run -a -s '-screen 0 1024x768x24' bash -c "$session" session "$orbex" \
  "$root" "$seconds" "$quiet" >/dev/null 2>&1

kill $player "$pulse" 2>/dev/null
wait $player "$pulse" 2>/dev/null
exit 0
