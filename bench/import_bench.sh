#!/usr/bin/env bash
# Installs the documentation the import benchmark reads (Debian's
# cppreference-doc-en-html, through scripts/install-deps.sh) and runs it.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" --bench
QT_QPA_PLATFORM=offscreen "$build/bench/import_bench"
