#!/usr/bin/env bash
# A desktop where nothing plays yet: an X server (Xvfb), a PulseAudio server of its own whose only output is a
# null sink, and orbex started with nothing chosen in an 800 x 600 window. After QUIET seconds it notes
# whether an alert is showing and how many beats it logged, then a click track plays into the sink with
# paplay, and it notes how long the first beat took to come; then Escape.
# Usage: live_quiet_start.sh ROOT ORBEX QUIET, with ROOT/clicks.wav; writes ROOT/alert.txt (the alert windows
# shown), ROOT/quiet_beats.txt (beats before the music), ROOT/delay.txt (seconds to the first beat, or
# "none") and ROOT/code.txt.
set -u
root=$1
orbex=$2
quiet=$3
mkdir -p "$root/runtime" "$root/home" "$root/config" "$root/orbex"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime" HOME="$root/home" XDG_CONFIG_HOME="$root/config" ORBEX_HOME="$root/orbex"
unset PULSE_SERVER SDL_AUDIODRIVER

pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
  -L "module-null-sink sink_name=orbex_test" -L "module-native-protocol-unix" 2>"$root/pulse.log" &
pulse=$!
for _ in $(seq 1 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done

session='
root=$2
"$1" --window 800x600 --beat-log "$root/beats.txt" 2>"$root/orbex.log" &
pid=$!
sleep "$3"
xdotool search --onlyvisible --name "^Alert$" >"$root/alert.txt" 2>/dev/null
cat "$root/beats.txt" 2>/dev/null | wc -l >"$root/quiet_beats.txt"
paplay "$root/clicks.wav" 2>/dev/null &
player=$!
start=$(date +%s.%N)
delay=none
for _ in $(seq 1 200); do
  if [ -s "$root/beats.txt" ]; then
    delay=$(echo "$(date +%s.%N) - $start" | bc)
    break
  fi
  sleep 0.05
done
echo "$delay" >"$root/delay.txt"
sleep 2
window=$(xdotool search --name "Orbex Animation" 2>/dev/null | head -n 1)
[ -n "$window" ] && xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill $pid 2>/dev/null
sleep 1
kill -9 $pid 2>/dev/null
wait $pid
echo $? >"$root/code.txt"
kill $player 2>/dev/null
wait $player 2>/dev/null
'
timeout $((quiet + 60)) xvfb-run -a -s '-screen 0 1024x768x24' bash -c "$session" session "$orbex" "$root" \
  "$quiet" >/dev/null 2>&1

kill "$pulse" 2>/dev/null
wait "$pulse" 2>/dev/null
exit 0
