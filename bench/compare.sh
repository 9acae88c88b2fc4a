#!/usr/bin/env bash
# Whole-program timings: each program against its plain baseline and against
# copying its output bytes with cat, on generated inputs, side by side.
#
#   bench/compare.sh [BUILD_DIR] [PROGRAM...]
#
# "cat" copies the output file into a file (GNU cat does it inside the kernel,
# with copy_file_range); "dd" copies it through read and write in 128 KiB
# blocks, as a program that computes its output must.
#
# BUILD_DIR is a build with the benchmarks (default: build/bench, made by
# `cmake --preset bench && cmake --build --preset bench`). Times are the best
# wall-clock seconds of RUNS runs (default 5; the baselines run once), taken
# by bench/timeit without a shell in between; peak memory is the largest
# resident set of the program's runs.
set -euo pipefail
build=$(readlink -f "${1:-build/bench}")
shift || true
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(primesum scoresheet hexdigits capwords rootstep)
runs=${RUNS:-5}
bin="$build/bin"
base="$build/bench"
work=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# best_time INPUT OUTPUT PROGRAM...: sets $best, the best wall time of $runs
# runs in seconds, and $rss, the largest peak resident set in KiB.
best_time() {
  read -r best rss < <("$base/timeit" "$runs" "$@")
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }'; }

# compare LABEL INPUT_FILE PROGRAM BASELINE|- [FILE]
# FILE names the file the program writes in its working directory, when it
# writes there instead of to standard output.
compare() {
  local label=$1 input=$2 program=$3 baseline=$4 file=${5:-}
  local ours ours_rss theirs cat_time dd_time
  cd "$work"
  best_time "$input" "$work/out.ours" "$bin/$program"
  ours=$best ours_rss=$rss
  [ -z "$file" ] || mv "$work/$file" "$work/out.ours"
  cp "$work/out.ours" "$work/out.saved"
  best_time "$work/out.saved" "$work/out.cat" /bin/cat
  cat_time=$best
  best_time "$work/out.saved" "$work/out.cat" /bin/dd bs=128K status=none
  dd_time=$best
  printf '%-32s ours %7ss (peak %6s KiB, %s bytes out)  cat %7ss  ours/cat %5s  dd %7ss  ours/dd %5s' \
    "$label" "$ours" "$ours_rss" "$(stat -c %s "$work/out.ours")" "$cat_time" "$(ratio "$ours" "$cat_time")" \
    "$dd_time" "$(ratio "$ours" "$dd_time")"
  if [ "$baseline" != - ]; then
    local keep=$runs
    runs=1 best_time "$input" "$work/out.base" "$base/$baseline"
    runs=$keep theirs=$best
    [ -z "$file" ] || mv "$work/$file" "$work/out.base"
    cmp -s "$work/out.base" "$work/out.ours" || printf '  OUTPUT DIFFERS'
    printf '  baseline %7ss  baseline/ours %6s' "$theirs" "$(ratio "$theirs" "$ours")"
  fi
  echo
  cd - >/dev/null
}

for program in "${programs[@]}"; do
  case $program in
    primesum)
      echo '4 2000000' >"$work/small.in"
      compare "primesum 4 2000000" "$work/small.in" primesum primesum_baseline
      echo '2147443648 2147483646' >"$work/top20k.in"
      compare "primesum 20,000 at the top" "$work/top20k.in" primesum primesum_baseline
      echo '4 20000000' >"$work/big.in"
      compare "primesum 4 20000000" "$work/big.in" primesum -
      echo '2147000000 2147483646' >"$work/top.in"
      compare "primesum 2147000000 2147483646" "$work/top.in" primesum -
      ;;
    scoresheet)
      # A class of N students with scores of one decimal, and 5 corrections.
      make_class() {
        awk -v n="$1" 'BEGIN {
          srand(1); print n
          for (i = 1; i <= n; i++)
            printf "S%07d Name%d %.1f %.1f %.1f %.1f\n", i, i, rand()*100, rand()*100, rand()*100, rand()*100
          print 5
          for (i = 1; i <= 5; i++) printf "S%07d Math %.1f\n", i * 7, rand()*100
        }'
      }
      make_class 20000 >"$work/class20k.in"
      compare "scoresheet 20,000 students" "$work/class20k.in" scoresheet scoresheet_baseline
      make_class 1000000 >"$work/class1m.in"
      compare "scoresheet 1,000,000 students" "$work/class1m.in" scoresheet -
      ;;
    hexdigits)
      awk 'BEGIN { srand(2); n = 2000000; print n
        for (i = 0; i < n; i++) printf "%d\n", int(rand() * 4294967296) - 2147483648 }' >"$work/hex.in"
      compare "hexdigits 2,000,000 numbers" "$work/hex.in" hexdigits hexdigits_baseline
      ;;
    capwords)
      # 200 MB of mixed text: short words, digits, punctuation, blanks, tabs,
      # line ends and bytes 0x80-0xFF.
      awk 'BEGIN { srand(3); split("the a of and to in is it you that he was for on are with as I his they", w, " ")
        piece[0] = " "; piece[1] = "  "; piece[2] = ". "; piece[3] = ", "; piece[4] = "\t"; piece[5] = "\n"
        piece[6] = " 1234 "; piece[7] = " \xd6\xd0\xce\xc4 "; piece[8] = "-"; piece[9] = " (x) "
        line = ""
        for (i = 0; i < 4000; i++) line = line w[int(rand() * 20) + 1] piece[int(rand() * 10)]
        for (n = 0; n < 200000000; n += length(line)) printf "%s", line }' >"$work/text.in"
      compare "capwords 200 MB of text" "$work/text.in" capwords capwords_baseline 'd:\test.txt'
      ;;
    rootstep)
      : >"$work/empty.in"
      compare "rootstep" "$work/empty.in" rootstep -
      ;;
  esac
done
