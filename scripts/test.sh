#!/usr/bin/env bash
# Builds everything from this checkout and runs every test:
#  - the portable logic natively, under AddressSanitizer and UBSan;
#  - the same as 32-bit code under qemu-i386;
#  - the 32-bit product, checked for its format and imports;
#  - the x86_64 build's tests under Wine, on a virtual 1024 x 768 screen.
set -euo pipefail
cd "$(dirname "$0")/.."
step() { printf '\n== %s\n' "$*"; }
fail() { echo "error: $*" >&2; exit 1; }

step "Installing what is missing"
scripts/install-deps.sh || fail "installing the packages failed"

for preset in native native-m32 win32 win64; do
  step "Building $preset"
  cmake --preset "$preset" >/dev/null || fail "configuring $preset failed"
  cmake --build --preset "$preset" || fail "building $preset failed"
done

step "Testing on a virtual screen"
. scripts/virtual-display.sh
start_virtual_display || fail "no virtual display"
status=0
for preset in native native-m32 win32 win64; do
  step "Tests of $preset"
  ctest --preset "$preset" || status=1
done
[ $status -eq 0 ] || fail "some tests failed"
echo "All tests passed."
