#!/usr/bin/env bash
# Runs every program that has been built on its example input and shows what
# it wrote. The programs write their prompts as GBK bytes; they are shown here
# converted to UTF-8.
#
#   demo.sh BIN_DIR EXAMPLES_DIR
set -u
bin=$(readlink -f "$1")
examples=$(readlink -f "$2")

show() {  # a file of GBK text, shown as UTF-8 and indented
  iconv -f GBK -t UTF-8 "$1" 2>/dev/null | sed 's/^/    /' || sed 's/^/    /' "$1"
  # A last line without a line end still gets one on the screen.
  [ -s "$1" ] && [ "$(tail -c 1 "$1" | od -An -c | tr -d ' ')" != '\n' ] && echo
}

out=$(mktemp)
work=$(mktemp -d)
trap 'rm -rf "$out" "$work"' EXIT
status=0
for program in primesum primesum2 scoresheet rootstep hexdigits capwords; do
  [ -x "$bin/$program" ] || continue
  input="$examples/$program.in"
  [ -f "$input" ] || input="$examples/${program%2}.in"
  [ -f "$input" ] || input=/dev/null
  if [ "$input" = /dev/null ]; then
    echo "== $program (reads nothing)"
  else
    echo "== $program < $(basename "$input")"
    show "$input"
  fi
  if [ "$program" = capwords ]; then
    (cd "$work" && "$bin/$program" <"$input") >"$out" || status=1
    echo "-- wrote the file 'd:\\test.txt':"
    show "$work/d:\\test.txt"
  else
    "$bin/$program" <"$input" >"$out" || status=1
    echo "-- wrote:"
    show "$out"
  fi
  echo
done
exit $status
