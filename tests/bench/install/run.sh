#!/bin/sh
# run.sh [runs] [iterations]: builds install_bench (win64) with the installer, starts a Wine
# session of its own, times "&Install" against the bare payload work, and stops the session.
# BUILD64 names the build folder (default build/instbench64), BENCH_SESSION the session folder.
set -eu
root=$(cd "$(dirname "$0")/../../.." && pwd)
cd "$root"
runs=${1:-10}
iterations=${2:-50}
build64=${BUILD64:-build/instbench64}
session=${BENCH_SESSION:-/tmp/installbench}

cmake --preset win64 -B "$build64" -DTESSELLUX_TEST_SUITES=bench >/dev/null
cmake --build "$build64" -j2 --target install_bench

cmake/wine-session start "$session"
trap 'cmake/wine-session stop "$session"' EXIT
(
    # shellcheck disable=SC1091
    . "$session/env"
    wine "$build64/tests/bench/install/install_bench.exe" "$runs" "$iterations"
)
