#!/usr/bin/env bash
# A storm of random keys, characters, clicks and drags over a running Orbex that plays a music folder whose
# first track brings a rave of its own: the program neither crashes nor hangs nor trips a sanitizer, writes
# nothing outside its program folder, and every file it saved reads back.
# Usage: storm_check.sh BUILD_DIR [EVENTS] [SEED]   (the seed is printed, so a failing storm can be replayed)
set -euo pipefail
build=$(cd "$1" && pwd)
events=${2:-5000}
seed=${3:-$((RANDOM % 99999 + 1))}
# The storm writer is the team's shared tool beside the repository; ORBEX_STORM_WRITER names another copy.
storm="${ORBEX_STORM_WRITER:-$(cd "$(dirname "$0")/.." && pwd)/../shared/tools/storm.py}"
# A checkout without the team's tools beside it (a clone elsewhere) runs every other check; say so plainly.
[ -f "$storm" ] || { echo "No storm this run: the storm writer $storm is not here."; exit 0; }
work=$(mktemp -d)
# ORBEX_STORM_KEEP=1 keeps the storm's folders (the program folder, the music, the logs) to look into.
if [ -n "${ORBEX_STORM_KEEP:-}" ]; then echo "The storm's folders: $work"; else trap 'rm -rf "$work"' EXIT; fi
echo "Storm of $events events, seed $seed (tests/storm_check.sh $1 $events $seed replays it)"
mkdir -m 700 "$work/runtime"
mkdir "$work/cwd" "$work/tmp"

# Three tracks of clicks on a tone; the folder's own Orbex folder brings track 1's rave, "Dance": its start
# record, then a beat or a change every quarter second and two loads of gradients.
python3 - "$work/music" "$build/share/orbex" <<'EOF'
import math, os, random, struct, sys, wave
music, library = sys.argv[1], sys.argv[2]
os.makedirs(os.path.join(music, "OrbexCD", "Raves"))
rate = 11025
for track in range(3):
    with wave.open(os.path.join(music, "%02d.wav" % (track + 1)), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(rate)
        samples = bytearray()
        for i in range(rate * 8):
            click = 0.8 if i % (rate // 2) < 200 else 0.0
            value = 0.2 * math.sin(2 * math.pi * (300 + 100 * track) * i / rate) + click
            samples += struct.pack("<h", int(max(-1.0, min(1.0, value)) * 32000))
        out.writeframes(bytes(samples))
style = open(os.path.join(library, "Styles", "Neon_Rain.sty"), "rb").read()
gradients = sorted(n[:-4] for n in os.listdir(os.path.join(library, "Gradients")) if len(n) <= 19)
random.seed(1)
# Kinds 1-14 of a change record, their ranges, and the start values.
ranges = {1: 8, 2: 120, 3: 120, 4: 4, 9: 6, 10: 6, 11: 60, 12: 120, 13: 100, 14: 100}
current = [-128, 1, 5, 5, 1, 2, 0, 0, 0, 1, 1, 30, 60, 60, 50, 0, 0]
records = [(0, list(current))]
for step in range(1, 30):
    time = step * 250
    if step in (9, 21):
        code = 1 * 8 + (step % 3 + 1) - 126  # a gradient load into slot 1, 2 or 3
        name = gradients[step % len(gradients)].encode()[:15]
        records.append((time, [code] + list(name.ljust(16, b"\0"))))
        continue
    kind = random.choice(sorted(ranges))
    current[kind] = random.randint(1, ranges[kind])
    record = [abs(v) if 0 < i else v for i, v in enumerate(current)]
    record[0] = -127 if step % 2 else -128
    record[kind] = -current[kind]
    records.append((time, record))
rave = bytearray(b"r\0\x02\x10".ljust(48, b"\0")) + style[4:1006] + struct.pack("<H", len(records))
for time, edits in records:
    rave += struct.pack("<I", time) + struct.pack("17b", *[v if v < 128 else v - 256 for v in edits])
open(os.path.join(music, "OrbexCD", "Raves", "Dance.R01"), "wb").write(rave)
open(os.path.join(music, "OrbexCD", "Raves", "Storm_Disc.cds"), "wb").close()
EOF
python3 "$storm" "$work/storm.txt" "$events" "$seed"
(cd "$work/music" && find . -type f -exec md5sum {} + | sort) >"$work/music.before"
touch "$work/start"

# The program in a folder of its own, with a home, a temporary and a runtime folder of the storm's own.
run_orbex() { # log file, then the options
  local log=$1
  shift
  (cd "$work/cwd" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/cwd" TMPDIR="$work/tmp" \
    XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/cwd/.config" ORBEX_HOME="$work/home" \
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    timeout -k 5 "${ORBEX_STORM_SECONDS:-300}" "$build/bin/orbex" --headless --quiet --disc "$work/music" "$@" \
    >"$log" 2>&1)
}
failed=0
fail() {
  echo "Storm (seed $seed): $1"
  failed=1
}
status=0
begin=$(date +%s)
run_orbex "$work/storm.log" --script "$work/storm.txt" || status=$?
echo "The storm ran for $(($(date +%s) - begin)) s"
# 124: ended by the timeout; 137: killed when it would not end even then.
case "$status" in
0) ;;
124 | 137) fail "no end within ${ORBEX_STORM_SECONDS:-300} s: a hang" ;;
*) fail "the program ended with status $status" ;;
esac
if grep -E "Sanitizer|runtime error:" "$work/storm.log"; then fail "a sanitizer spoke"; fi
grep -q "Dance" <(ls "$work/home/Raves"/*/) || fail "the folder's rave never reached the program folder"

# Nothing outside the program folder: the music folder as it was, the other folders empty.
(cd "$work/music" && find . -type f -exec md5sum {} + | sort) | cmp -s - "$work/music.before" ||
  fail "the music folder changed"
for folder in cwd tmp runtime; do
  # The runtime folder keeps the lock that lets one Orbex run on the desktop.
  left=$(find "$work/$folder" -mindepth 1 ! -name 'ORBEX-*.lock' | head -n 5)
  [ -z "$left" ] || fail "files written outside the program folder: $left"
done

# Every file the storm saved reads back: styles and sets by Pixelmill's check, raves and RaveSets by Orbex
# starting their track.
checked=0
while IFS= read -r file; do
  case "$file" in
  */Styles/* | */Settings/*)
    "$build/bin/pixelmill" info "$file" >/dev/null 2>&1 || fail "$file does not read back"
    checked=$((checked + 1))
    ;;
  *.R[0-9][0-9])
    track=${file: -2}
    run_orbex "$work/read.log" --track "$((10#$track))" --frames 2 --size 64x64 --out "$work/frames" ||
      fail "a start with track $track failed"
    if grep -E "Not a valid|Unable to load|Sanitizer|runtime error:" "$work/read.log"; then
      fail "$file does not read back"
    fi
    checked=$((checked + 1))
    ;;
  esac
done < <(find "$work/home" -type f -newer "$work/start")
[ "$failed" -eq 0 ] || {
  tail -n 20 "$work/storm.log"
  exit 1
}
echo "The storm passed: $checked styles, sets and raves read back."
