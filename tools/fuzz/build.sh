#!/bin/sh
# Builds the picture-block fuzz target with libFuzzer, AddressSanitizer and UBSan.
# Usage: tools/fuzz/build.sh [output]   (default build/fuzz/fuzz_bitmap_block)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-$root/build/fuzz/fuzz_bitmap_block}
mkdir -p "$(dirname "$out")"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I "$root/src" \
  "$root/tools/fuzz/fuzz_bitmap_block.cpp" "$root/src/imaging/ImageProcessing.cpp" \
  -lz -o "$out"
echo "$out"
