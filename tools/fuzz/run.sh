#!/bin/sh
# Short fuzzing run on the committed corpus (for CI). Usage: tools/fuzz/run.sh SECONDS
# New inputs go to a scratch directory; the committed corpus is only read.
set -eu
seconds=${1:-30}
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$("$root/tools/fuzz/build.sh")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$bin" -max_total_time="$seconds" -rss_limit_mb=2048 \
  -artifact_prefix="$root/build/fuzz/" "$scratch" "$root/tools/fuzz/corpus"
