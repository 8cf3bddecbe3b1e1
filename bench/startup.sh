#!/bin/sh
# Start-up time and peak memory of the program against a minimal Qt window,
# alternating runs, under the offscreen platform and a virtual X display.
#   bench/startup.sh [BUILD_DIR]      (RUNS=15 by default)
set -eu
build=${1:-build}
runs=${RUNS:-15}
compare="$build/bench/startup_compare"
minimal="$build/bench/minimal_window"
probe="$build/bench/startup_probe"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "offscreen:"
QT_QPA_PLATFORM=offscreen "$compare" "$runs" "$minimal" "$probe"

if command -v Xvfb >/dev/null 2>&1; then
    display=:$(( $$ % 400 + 100 ))
    # Without -noreset every new client pays for a server reset.
    Xvfb "$display" -noreset -screen 0 1280x800x24 >/dev/null 2>&1 &
    server=$!
    trap 'kill $server 2>/dev/null' EXIT
    sleep 1
    echo "virtual X display:"
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$compare" "$runs" "$minimal" "$probe"
fi
