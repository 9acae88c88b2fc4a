#!/usr/bin/env bash
# Runs one golden case against a program and compares what it did.
#
#   run_case.sh PROGRAM CASE_DIR
#
# A case directory holds:
#   in      standard input (absent: empty input)
#   run     optional: a bash snippet run instead of plain "$PROGRAM" < in;
#           it sees $PROGRAM and $CASE, and its stdout/stderr are compared
#   out     expected standard output, byte for byte (absent: none)
#   err     expected standard error; the word PROGRAM stands for the name the
#           program was started under (absent: none)
#   status  expected exit status (absent: 0)
#   file    expected content of the file 'd:\test.txt' the program leaves in
#           its working directory (absent: the file is not checked)
# The program runs in a fresh temporary directory.
set -u
program=$(readlink -f "$1")
case_dir=$(readlink -f "$2")
name=$(basename "$program")
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

input="$case_dir/in"
[ -f "$input" ] || input=/dev/null
cd "$work" || exit 2
if [ -f "$case_dir/run" ]; then
  PROGRAM="$program" CASE="$case_dir" bash "$case_dir/run" >"$work/.out" 2>"$work/.err"
  status=$?
else
  "$program" <"$input" >"$work/.out" 2>"$work/.err"
  status=$?
fi

failed=0
expect_status=0
[ -f "$case_dir/status" ] && expect_status=$(tr -d '[:space:]' <"$case_dir/status")
if [ "$status" != "$expect_status" ]; then
  echo "exit status: expected $expect_status, got $status"
  failed=1
fi

compare() {  # what expected actual
  if ! cmp -s "$2" "$3"; then
    echo "$1 differs (expected, then actual):"
    diff <(od -c "$2") <(od -c "$3") | head -20
    failed=1
  fi
}
expected_out="$case_dir/out"
[ -f "$expected_out" ] || expected_out=/dev/null
compare stdout "$expected_out" "$work/.out"
if [ -f "$case_dir/err" ]; then
  sed "s/PROGRAM/$name/g" "$case_dir/err" >"$work/.expected_err"
else
  : >"$work/.expected_err"
fi
compare stderr "$work/.expected_err" "$work/.err"
if [ -f "$case_dir/file" ]; then
  if [ -f "$work/d:\\test.txt" ]; then
    compare "file 'd:\\test.txt'" "$case_dir/file" "$work/d:\\test.txt"
  else
    echo "file 'd:\\test.txt' was not written"
    failed=1
  fi
fi
exit $failed
