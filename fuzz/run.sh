#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and runs each for a while, starting
# from the checked-in corpus (copied, so the corpus in the tree is left as
# it is). Any crash or failed check stops with the input that caused it.
#
#   fuzz/run.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in console primesum scoresheet hexdigits capwords; do
  mkdir -p "$work/$target"
  cp fuzz/corpus/$target/* "$work/$target/"
  echo "== fuzz_$target for ${seconds}s"
  build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/" "$work/$target" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done|==[0-9]+==ERROR|SUMMARY)|crash-|deadly signal|Test unit written' || true
  found=$(find "$work" -maxdepth 1 -name 'crash-*' -o -maxdepth 1 -name 'timeout-*' -o -maxdepth 1 -name 'oom-*')
  if [ -n "$found" ]; then
    echo "fuzz_$target found a failing input:"
    for f in $found; do od -c "$f" | head -20; done
    exit 1
  fi
done
