#!/bin/sh
# run.sh [iterations]: builds payload_bench (win64) and the win32 installer, times the
# extraction under Wine, and prints the installer's size overhead. BUILD64/BUILD32 name the
# build folders to use (default build/bench64, build/bench32).
set -eu
root=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$root"
iterations=${1:-50}
build64=${BUILD64:-build/bench64}
build32=${BUILD32:-build/bench32}
session=${BENCH_SESSION:-/tmp/paybench}

cmake --preset win64 -B "$build64" -DTESSELLUX_TEST_SUITES=bench >/dev/null
cmake --build "$build64" -j2 --target payload_bench
cmake --preset win32 -B "$build32" -DTESSELLUX_TEST_SUITES=bench >/dev/null
cmake --build "$build32" -j2 --target tessellux-setup

cmake/wine-session start "$session"
trap 'cmake/wine-session stop "$session"' EXIT
(
    # shellcheck disable=SC1091
    . "$session/env"
    wine "$build64/tests/bench/payload/payload_bench.exe" "$iterations"
)
python3 tests/bench/payload/pe_overhead.py "$build32/app/tessellux-setup.exe"
