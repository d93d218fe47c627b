#!/usr/bin/env bash
# The native and the Windows kawaban-cli print the same bytes for the same seed:
# same_output_test.sh NATIVE_CLI WINDOWS_CLI RUNNER
set -u
native=$(realpath "$1") windows=$(realpath "$2") runner=$3
data=$(cd "$(dirname "$0")/../../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$data/kawaban.dat" words.dat
failures=0 passes=0
compare() {
    "$native" "$@" >native.out 2>&1; local a=$?
    $runner "$windows" "$@" >windows.out 2>&1; local b=$?
    if [ $a = 0 ] && [ $b = 0 ] && cmp -s native.out windows.out && [ -s native.out ]; then
        passes=$((passes + 1))
    else
        echo "FAIL: $* (exit $a / $b)"; cmp native.out windows.out | head -3
        failures=$((failures + 1))
    fi
}
for seed in 1 42 4294967295; do
    compare news --seed $seed --count 200 words.dat
    compare ticker --seed $seed --width 17 --saver --ticks 600 words.dat
    compare ticker --seed $seed --width 8 --ticks 600 --raw words.dat
done
compare check words.dat
echo "cli_same_output: $passes passed, $failures failed"
[ "$failures" = 0 ]
