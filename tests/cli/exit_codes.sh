#!/usr/bin/env bash
# Checks the exit statuses of zuvo-calc and what goes to standard output and
# standard error:
#   0  every line correct        1  some line failed
#   2  empty input or bad usage (a reason on standard error, nothing on
#      standard output)
set -u
calc=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS STDIN-TEXT ARGS... : runs zuvo-calc and compares the status.
expect() {
  local want=$1 input=$2
  shift 2
  local got=0
  printf '%s' "$input" | "$calc" "$@" >"$work/out" 2>"$work/err" || got=$?
  if [[ $got -ne $want ]]; then
    echo "FAIL: zuvo-calc $* (input '$input'): status $got, expected $want" >&2
    sed 's/^/  stdout: /' "$work/out" >&2
    sed 's/^/  stderr: /' "$work/err" >&2
    failures=$((failures + 1))
    return 1
  fi
}

# expect_stdout TEXT: the last run printed exactly this on standard output.
expect_stdout() {
  if ! diff -u --label expected --label actual <(printf '%s' "$1") "$work/out"; then
    failures=$((failures + 1))
  fi
}

# expect_usage_error: nothing on standard output, one reason line first on
# standard error.
expect_usage_error() {
  if [[ -s $work/out ]]; then
    echo "FAIL: bad usage printed on standard output" >&2
    failures=$((failures + 1))
  fi
  if ! head -n 1 "$work/err" | grep -q '^zuvo-calc: '; then
    echo "FAIL: no reason on standard error: $(head -n 1 "$work/err")" >&2
    failures=$((failures + 1))
  fi
}

# All lines correct: status 0, listing on standard output only.
expect 0 '' '((1.5+2)*3-4/2)^2+√16-5!' &&
  expect_stdout $'算式1正确，计算结果为：(-43.75)\n'
expect 0 $'1+1\n结果0*3\n结果1+结果0\n' --inherit &&
  expect_stdout $'算式1正确，计算结果为：2\n算式2正确，计算结果为：6\n算式3正确，计算结果为：8\n'
expect 0 '' --radix 16 '255' '<1,-2>*3' '[1 2,3 4]²' &&
  expect_stdout $'算式1正确，计算结果为：HFF\n算式2正确，计算结果为：<H3,-H6>\n算式3正确，计算结果为：[H7 HA,HF H16]\n'
# Standard input: CR LF line ends, no final line break.
expect 0 $'1\r\n2' && expect_stdout $'算式1正确，计算结果为：1\n算式2正确，计算结果为：2\n'
# An input of one empty line is not empty input.
expect 0 $'\n' && expect_stdout $'算式1正确，计算结果为：\n'

# A failed line: status 1, even when later lines are correct.
expect 1 $'1/0\n2\n' &&
  expect_stdout $'算式1错误，错误如下：\n错误1为:除数不能为0，不然无法计算。\n算式2正确，计算结果为：2\n'
expect 1 '' '2' '2x'

# Empty input: status 2, the message on standard error, nothing else.
for args in "" "''"; do
  eval "set -- $args"
  if expect 2 '' "$@"; then
    [[ -s $work/out ]] && { echo "FAIL: empty input printed on standard output" >&2; failures=$((failures + 1)); }
    if [[ $(cat "$work/err") != '你必须输入至少一个算式才能进行计算！' ]]; then
      echo "FAIL: empty input message: $(cat "$work/err")" >&2
      failures=$((failures + 1))
    fi
  fi
done

# Bad usage: status 2 with a reason.
for args in "--radix 7 1" "--radix" "--decimals 21 1" "--decimals -1 1" "--decimals x 1" \
  "--frobnicate 1" "--constant 1" "--constant =2 1"; do
  # shellcheck disable=SC2086
  expect 2 '' $args && expect_usage_error
done

# --help is not an error.
expect 0 '' --help

if [[ $failures -ne 0 ]]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all exit status checks passed"
