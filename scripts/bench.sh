#!/usr/bin/env bash
# The benchmark (not a test). Prints, as ratios:
#  - MD5 throughput of this project's code against OpenSSL's, same buffer, same run;
#  - digesting a 1 GiB file (in the page cache) through the program's own code in the x86_64
#    build under Wine, timed inside the process, against md5sum's whole process.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "error: $*" >&2; exit 1; }
scripts/install-deps.sh || fail "installing the packages failed"
for preset in bench win64; do
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null ||
    fail "building $preset failed"
done

echo "== MD5 in memory"
build/bench/bench/md5_bench --benchmark_color=false | tail -1

echo "== A 1 GiB file"
file=build/bench-1GiB.bin
[ -f "$file" ] || head -c 1073741824 /dev/urandom >"$file"
cat "$file" >/dev/null  # into the page cache
read -r md5sum_s md5sum_kb < <( { /usr/bin/time -f '%e %M' md5sum "$file" >/dev/null; } 2>&1 )
. scripts/virtual-display.sh
start_virtual_display >/dev/null || fail "no virtual display"
windows_path="Z:$(tr / '\\' <<<"$PWD/$file")"
line=$(scripts/wine-exec build/win64/bin/file_digest_bench.exe "$windows_path" | tr -d '\r')
echo "program: $line"
echo "md5sum:  time_s=$md5sum_s peak_mb=$(awk "BEGIN{printf \"%.1f\", $md5sum_kb/1024}")"
eval "$(tr ' ' '\n' <<<"$line" | grep -E '^(read_s|digest_s|baseline_mb|peak_mb|plain_read_s)=')"
awk -v r="$read_s" -v d="$digest_s" -v p="$peak_mb" -v b="$baseline_mb" -v pr="$plain_read_s" \
    -v ms="$md5sum_s" -v mk="$md5sum_kb" 'BEGIN {
  printf "read phase / one plain whole-file ReadFile: %.3f\n", r / pr
  printf "digest phase throughput: %.0f MB/s\n", 1024 / d
  printf "whole (read + digest) / md5sum time: %.3f\n", (r + d) / ms
  printf "peak memory / md5sum peak memory: %.1f\n", p / (mk / 1024)
  printf "peak memory above the process baseline: file + %.1f MiB (baseline %.1f MiB)\n", p - b - 1024, b
}'
