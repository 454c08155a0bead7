#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Safe to run again: it does nothing when everything is already there.
# With --bench it also installs the documentation the import benchmark reads.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools
  qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin
  libgl-dev libglx-dev libopengl-dev libvulkan-dev libxkbcommon-dev
  libsqlcipher-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth
  # a test runs the demo content's sample programs; gcc and g++ come with build-essential
  default-jdk-headless python3
  ccache
  libgumbo-dev
  # Qt's own Chinese texts: the standard buttons of message and question boxes
  qt6-translations-l10n
  # the outside suite: a private session and accessibility bus, input through
  # the X server, the window read back over AT-SPI and from screenshots
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xdotool python3-xlib python3-pil
)
if [ "${1:-}" = "--bench" ]; then
  packages+=(cppreference-doc-en-html)
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
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
