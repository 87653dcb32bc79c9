#!/usr/bin/env bash
# Installs what is missing, builds rallynote and starts it. Without a display
# (no DISPLAY set) it starts a virtual one with Xvfb and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
    echo "No display found: starting rallynote on a virtual display (Xvfb :99)."
    echo "Take a look with: DISPLAY=:99 import -window root screenshot.png"
    exec xvfb-run --server-num=99 --server-args="-screen 0 1280x1024x24" build/src/ui/rallynote "$@"
fi
exec build/src/ui/rallynote "$@"
