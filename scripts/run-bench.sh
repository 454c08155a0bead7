#!/usr/bin/env bash
# Runs every benchmark of bench/ on generated libraries. The first run writes
# the libraries (under /tmp) and takes a few minutes; later runs reuse them.
set -euo pipefail
build=${1:-build}
found=0
for b in "$build"/bench/*_bench; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_min_time=0.2
done
[ "$found" -eq 1 ] || echo "No benchmarks were built (is Google Benchmark installed?)"
