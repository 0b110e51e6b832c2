#!/usr/bin/env bash
# A fresh installation: the build installed into a temporary prefix, its desktop entries and metainfo
# validated, its icons and gzipped man pages there, and the installed programs run from a folder away from the
# source tree. Usage: install_check.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$prefix" "$work"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix"/share/applications/orbex.desktop "$prefix"/share/applications/pixelmill.desktop
appstreamcli validate --no-net "$prefix"/share/metainfo/org.orbex.orbex.metainfo.xml >/dev/null
for icon in orbex pixelmill; do
  test -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
  for size in 16 22 24 32 48 64 128 256; do test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"; done
done
# The man pages gzipped as Debian wants them: best compression, no file name or time in the header (bytes 3
# to 8: flags 0, time 0, the "slowest" mark 2), so a package built twice is the same.
for page in orbex orbex-saver pixelmill; do
  man="$prefix/share/man/man1/$page.1.gz"
  gzip -t "$man"
  zcat "$man" | grep -q "^.TH \"$page\" \"1\""
  test "$(od -An -tu1 -j3 -N6 "$man" | xargs)" = "0 0 0 0 0 2"
  test ! -e "$prefix/share/man/man1/$page.1"
done
# The agent's autostart entry is the user's, written when the screen saver is switched on: none is installed.
! find "$prefix" -path '*autostart*' | grep -q .

cd "$work"
mkdir -m 700 runtime
export XDG_RUNTIME_DIR="$work/runtime" ORBEX_HOME="$work/home"
# Started by its name through PATH, as a user starts it.
PATH="$prefix/bin:$PATH" env -u DISPLAY -u WAYLAND_DISPLAY orbex --headless --frames 3 --out "$work/frames" --quiet
test -s "$work/frames/frame-000002.png"
ls "$work/home/Styles" | grep -q . # the program folder was filled from the installed library
"$prefix/bin/pixelmill" info "$(ls "$prefix"/share/orbex/Brushes/* | head -n 1)" >/dev/null
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/pixelmill" >/dev/null || status=$?
test "$status" -eq 2 # no display: the command line's usage
ORBEX_HOME="$work/saver-home" "$prefix/bin/orbex-saver" /c
test ! -e "$work/saver-home" # "/c" does nothing
"$prefix/bin/orbex-saver" --version >/dev/null
echo "Installed into a fresh prefix: entries valid, programs run from $work"
