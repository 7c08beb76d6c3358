#!/usr/bin/env bash
# zuvo-calc and the stored files, in a temporary home: importing constants,
# exporting them back, using them with --library and --stored, and the rule
# that reading commands never create or change a store file.
set -u
calc=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config
unset XDG_DOCUMENTS_DIR
folder=$home/Documents/ZuvoCalculatorExt
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Reading commands on a fresh home leave no files behind.
"$calc" --library '1' >/dev/null
"$calc" --stored '1' >/dev/null
"$calc" --export-constants >/dev/null
"$calc" --export-history >/dev/null
[[ -e $folder/Constants.mqc || -e $folder/Settings.mqs || -e $folder/History.mqh ]] && fail "a reading command created a store file"

# Import: a refused constant is reported with its message and status 1; the
# others are kept, sorted, and read back by the export with escapes intact.
status=0
printf 'r\t5\nab\t1+1\nmsg\ta\\tb\\\\c\n' | "$calc" --import-constants - 2>"$home/err" >/dev/null || status=$?
[[ $status -eq 1 ]] || fail "import with a refused constant exited $status"
grep -q '新的常数名称不合法，请修改新的常数名称以继续！' "$home/err" || fail "import did not report the refused name"
expected=$'r\t5\nmsg\ta\\tb\\\\c'
actual=$("$calc" --export-constants)
[[ $actual == "$expected" ]] || fail "export gave '$actual'"

before=$(md5sum "$folder/Constants.mqc")
out=$("$calc" --library 'r*2')
[[ $out == '算式1正确，计算结果为：10' ]] || fail "--library gave '$out'"
# Without --library the name is not a constant.
out=$("$calc" 'r*2')
[[ $out == *'运算符r不存在。'* ]] || fail "constants used without --library: '$out'"
# --stored uses the library only when the stored settings switch it on;
# there are no stored settings here.
out=$("$calc" --stored 'r*2')
[[ $out == *'运算符r不存在。'* ]] || fail "--stored used the library while it is off: '$out'"
# A --constant joins the library and obeys its rules.
out=$("$calc" --library --constant 'q=3' 'q+r')
[[ $out == '算式1正确，计算结果为：8' ]] || fail "--constant with --library gave '$out'"
status=0
"$calc" --library --constant 'r=1' '1' >/dev/null 2>"$home/err" || status=$?
[[ $status -eq 2 ]] && grep -q '新的常数名称不能与常数库中原有常数相同' "$home/err" || fail "a duplicate --constant was not refused"
after=$(md5sum "$folder/Constants.mqc")
[[ $before == "$after" ]] || fail "a reading command changed Constants.mqc"

exit $((failures > 0))
