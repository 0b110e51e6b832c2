#!/usr/bin/env bash
# Installs what building and testing Orbex needs (Debian packages), then configures and builds into "$1".
set -euo pipefail

PACKAGES=(cmake ninja-build g++ clang pkg-config ccache
          libgtest-dev libgmock-dev libbenchmark-dev
          libsdl2-dev libsdl2-ttf-dev libx11-dev libfontconfig-dev libpng-dev
          libsndfile1-dev libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
          libcdio-dev libcdio-paranoia-dev libfltk1.3-dev
          libx11-dev libxinerama-dev
          libsdbus-c++-dev libsystemd-dev libwayland-dev wayland-protocols libxss-dev dbus-daemon
          scdoc librsvg2-bin desktop-file-utils appstream netpbm x11-apps x11-utils util-linux
          fonts-liberation xvfb xauth xdotool pulseaudio pulseaudio-utils libgl1-mesa-dri python3)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# Commit messages are checked by scripts/hooks/commit-msg. A linked worktree shares its configuration with the
# main checkout, so the hook is set from there (where the path names the same scripts).
if git rev-parse --is-inside-work-tree >/dev/null 2>&1 &&
  [ "$(git rev-parse --git-dir)" = "$(git rev-parse --git-common-dir)" ] &&
  [ "$(git config --get core.hooksPath)" != scripts/hooks ]; then
  git config core.hooksPath scripts/hooks
fi

orbex_build() { # folder, then extra cmake arguments
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
  ninja -C "$folder"
}
