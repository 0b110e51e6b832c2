#!/usr/bin/env bash
# The preview on a real X server (Xvfb): "orbex-saver /p ID" draws into the window it is given (here the root
# window of a 400 x 300 screen) until it is told to end. Usage: live_preview.sh ROOT BIN; writes ROOT/preview.xwd
# and ROOT/code.txt (the saver's exit status).
set -u
root=$1
bin=$2
mkdir -p "$root/runtime"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime"
session='
window=$(xwininfo -root | awk "/Window id/ {print \$4}")
"$1/orbex-saver" /p $(printf "%d" "$window") &
pid=$!
sleep 2
xwd -root -silent -out "$2/preview.xwd"
kill $pid
wait $pid
echo $? >"$2/code.txt"
'
timeout 60 xvfb-run -a -s '-screen 0 400x300x24' bash -c "$session" session "$bin" "$root" >/dev/null 2>&1
exit 0
