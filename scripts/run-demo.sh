#!/usr/bin/env bash
# Writes the demo library and starts the program on it. Without a display the
# program runs under Xvfb and saves a screenshot of its window instead.
set -euo pipefail
build=${1:-build}
library=${2:-$build/demo-library}
shot=${3:-$build/demo.png}

"$build/authoring/kelvor-library" demo "$library"

# WebEngine refuses to run as root with its sandbox on.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$build/src/app/kelvor" --data-root "$library"
fi
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.webenginecontext.debug=false}"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
xvfb-run -a -s "-screen 0 1400x900x24" "$build/src/app/kelvor" --data-root "$library" --screenshot "$shot"
echo "No display: the window was shown under Xvfb and saved to $shot"
