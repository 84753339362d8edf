#!/usr/bin/env bash
# Builds the program and starts it under Wine: on your display when there is one, else on a
# virtual 1024 x 768 screen, where it takes a screenshot, says where it saved it and closes the
# program again.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "error: $*" >&2; exit 1; }

scripts/install-deps.sh || fail "installing the packages failed"
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null || fail "configuring $preset failed"
  cmake --build --preset "$preset" >/dev/null || fail "building $preset failed"
done
echo "The 32-bit product: build/win32/src/md5check.exe (these machines run its x86_64 twin)."

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec scripts/wine-exec build/win64/bin/md5check.exe
fi

. scripts/virtual-display.sh
start_virtual_display || fail "no virtual display"
scripts/wine-exec build/win64/bin/md5check.exe &
program=$!
sleep 6
screenshot=$PWD/build/screenshot.png
import -window root "$screenshot" || fail "taking the screenshot failed"
echo "Screenshot of the window: $screenshot"
xdotool key Escape  # the program has the focus; Esc closes it
wait $program || true
