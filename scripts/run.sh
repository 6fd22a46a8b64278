#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs under a virtual
# one, saves a screenshot of the screen with the first window and ends it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRELVADOR_TESTS=OFF -DTRELVADOR_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
program="$PWD/$build/bin/Trelvador_Enocean"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" "$program" &
program_pid=$!
sleep 4
shot="$PWD/build/first-window.png"
DISPLAY="$display" xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > "$shot"
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
echo "No display: the program ran under a virtual display; screenshot of its first window: $shot"
