#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Talvoro need.
# Installs only what is missing; needs root for that (run `make` as root, or
# install the listed packages yourself).
#
#   tools/install-deps.sh          what the build and the tests need
#   tools/install-deps.sh bench    also the Lua and Python the benchmarks compare with
#   tools/install-deps.sh fuzz     also clang and its libFuzzer and sanitizer runtimes (make fuzz)
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config   # the build
  libpcre2-dev                            # the RegExp object
  libgtest-dev                            # unit tests
  qt6-base-dev                            # the window (Widgets, and Qt Test)
  libxcb1-dev                             # the window: hearing a close request under X11 while a dialog blocks it
  fonts-liberation2                       # Liberation Sans for captions, Mono for "Courier New"
  xvfb xauth xdotool xclip imagemagick    # end-to-end tests: X server (xvfb-run needs xauth), keystrokes,
                                          # clipboard, screenshots
  openbox wmctrl                          # end-to-end tests: closing the window as a user does
  x11-utils                               # end-to-end tests: xprop (stacking order), xwininfo (mapped or not)
  xdg-utils                               # xdg-open, the default command of "Functions"
)
if [ "${1:-}" = bench ]; then
  packages+=(lua5.4 python3)
fi
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Not root: install these packages first: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
