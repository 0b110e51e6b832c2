#!/usr/bin/env bash
# The idle agent on a real X server (Xvfb) with the X11 screen-saver extension: the screen saver switched on
# with a 2-second time-out; once the desktop is idle the agent starts orbex-saver, which starts Orbex in
# screen-saver mode; a key (Escape) ends Orbex and with it the saver.
# Usage: live_agent.sh ROOT BIN; writes ROOT/result.txt ("idle-started", "ended") and ROOT/saver.xwd.
set -u
root=$1
bin=$2
mkdir -p "$root/runtime" "$root/home" "$root/config" "$root/orbex/config"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime" HOME="$root/home" XDG_CONFIG_HOME="$root/config" ORBEX_HOME="$root/orbex"
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SDL_AUDIODRIVER PULSE_SERVER
printf '[Control Panel\\Desktop]\nScreenSaveActive=1\nScreenSaveTimeOut=2\n' >"$ORBEX_HOME/config/registry.ini"
printf '[boot]\nSCRNSAVE.EXE=%s/orbex-saver\n' "$bin" >"$ORBEX_HOME/config/system.ini"

# A sound server of the test's own, so Orbex finds a source to listen to and opens no alert.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
  -L "module-null-sink sink_name=orbex_test" -L "module-native-protocol-unix" 2>"$root/pulse.log" &
pulse=$!
for _ in $(seq 1 50); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done

session='
held() { ! flock -n "$XDG_RUNTIME_DIR/$1.lock" true 2>/dev/null; }
"$1/orbex-saver" --agent 2>"$2/agent.log" &
agent=$!
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --name "Orbex Animation" 2>/dev/null | head -n 1)
  [ -n "$window" ] && held ORBEXSAVER && break
  sleep 0.1
done
[ -n "$window" ] && echo idle-started >>"$2/result.txt"
sleep 2
xwd -root -silent -out "$2/saver.xwd"
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key Escape
for _ in $(seq 1 100); do held ORBEXSAVER || held ORBEX || break; sleep 0.1; done
held ORBEXSAVER || held ORBEX || echo ended >>"$2/result.txt"
kill $agent 2>/dev/null
wait $agent
'
timeout 90 xvfb-run -a -s '-screen 0 800x600x24' bash -c "$session" session "$bin" "$root" >/dev/null 2>&1
kill "$pulse" 2>/dev/null
wait "$pulse" 2>/dev/null
exit 0
