#!/usr/bin/env bash
# Runs one golden file through zuvo-calc and compares the listing.
#
#   run_golden.sh PATH/TO/zuvo-calc FILE.txt
#
# File format (plain text, UTF-8):
#   # text           a comment; blank lines are ignored too
#   #! OPTIONS       command-line options (shell quoting allowed) for the
#                    calculations that follow, until the next "#!" line
#   > EXPR           one input line (everything after "> " is taken as it
#                    stands, trailing spaces included; ">" alone is an empty
#                    line)
#   anything else    an expected listing line, exactly as zuvo-calc prints it
#   ---              ends a calculation: the next input lines start a new
#                    run, so the line numbers start again at 1
#
# All input lines of one calculation go to one zuvo-calc run on standard
# input, so 结果n refers to earlier lines of the same calculation. A run
# must exit with 0 or 1; its whole output must equal the expected lines.
set -u

if [[ $# -ne 2 ]]; then
  echo "usage: $0 ZUVO_CALC FILE" >&2
  exit 2
fi
calc=$1
file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

options=()
inputs=()
expected=()
start=0        # line of the file where the current calculation starts
lineno=0
failures=0

run_calculation() {
  if [[ ${#inputs[@]} -eq 0 ]]; then
    if [[ ${#expected[@]} -ne 0 ]]; then
      echo "$file:$start: expected lines without any input line" >&2
      failures=$((failures + 1))
    fi
    expected=()
    return
  fi
  printf '%s\n' "${inputs[@]}" >"$work/input"
  printf '%s\n' "${expected[@]}" >"$work/expected"
  local rc=0
  "$calc" "${options[@]}" <"$work/input" >"$work/actual" 2>"$work/stderr" || rc=$?
  if [[ $rc -gt 1 ]]; then
    echo "$file:$start: zuvo-calc ${options[*]} exited with status $rc" >&2
    cat "$work/stderr" >&2
    failures=$((failures + 1))
  elif ! diff -u --label "expected ($file:$start)" --label "actual" "$work/expected" "$work/actual"; then
    failures=$((failures + 1))
  fi
  inputs=()
  expected=()
}

while IFS= read -r line || [[ -n $line ]]; do
  lineno=$((lineno + 1))
  case $line in
    '#!'*)
      run_calculation
      eval "options=(${line#\#!})"
      ;;
    '---')
      run_calculation
      ;;
    '>')
      [[ ${#inputs[@]} -eq 0 && ${#expected[@]} -eq 0 ]] && start=$lineno
      inputs+=("")
      ;;
    '> '*)
      [[ ${#inputs[@]} -eq 0 && ${#expected[@]} -eq 0 ]] && start=$lineno
      inputs+=("${line#> }")
      ;;
    '#'* | '')
      ;;
    *)
      expected+=("$line")
      ;;
  esac
done <"$file"
run_calculation

if [[ $failures -ne 0 ]]; then
  echo "$file: $failures calculation(s) differ" >&2
  exit 1
fi
exit 0
