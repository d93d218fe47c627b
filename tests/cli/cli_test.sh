#!/usr/bin/env bash
# kawaban-cli through its real executable: cli_test.sh CLI [RUNNER]
# (RUNNER is scripts/wine-run for the Windows build).
set -u
cli=$(realpath "$1")
runner=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../../data" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
passes=0

run() { $runner "$cli" "$@"; }
# Files are handed over by names relative to the working folder, which both builds share.
sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
ok() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() {  # expect_status WANT DESCRIPTION -- command...
    local want=$1 what=$2; shift 3
    "$@" >out.txt 2>err.txt; local got=$?
    if [ "$got" = "$want" ]; then ok; else fail "$what: exit $got, wanted $want"; cat out.txt err.txt; fi
}

# check: a clean file, then one with every kind of finding, then a missing file.
printf '2\r\n%s\r\n%s\r\n\r\n1\r\n%s\r\n\r\n1\r\n%s\r\n' "$(sjis 猫)" "$(sjis 犬)" "$(sjis 駅前)" "$(sjis 歌った)" >clean.dat
expect_status 0 "check clean" -- run check clean.dat
grep -q 'ok / 問題なし' out.txt && ok || fail "check clean says ok"

long=$(printf 'x%.0s' $(seq 1 101))
{ printf '3 %s %s abc\r\n' "$(sjis ＡＢＣ)" "$(sjis ａｂｃ)"; printf -- '-1\r\n'; printf '9 %s %s\r\n' "$(sjis 歌った)" "$long"; } >messy.dat
expect_status 1 "check findings" -- run check messy.dat
for want in '1 duplicates dropped' 'not all full-width.*abc' 'negative count -1' 'count 9 but the file ended after 2 words' 'longer than 100 bytes.*101 bytes' 'findings / 問題あり'; do
    grep -q -- "$want" out.txt && ok || { fail "check reports '$want'"; cat out.txt; }
done
expect_status 2 "check missing file" -- run check missing.dat
grep -q 'cannot read' err.txt && grep -q '読み込めません' err.txt && ok || fail "missing file message"

# normalize: layout rewritten, duplicates dropped, same bytes as the program writes.
printf '2 %s %s 1 %s\n1 %s' "$(sjis ＡＢＣ)" "$(sjis ａｂｃ)" "$(sjis ソ)" "$(sjis 表)" >loose.dat
expect_status 0 "normalize" -- run normalize loose.dat tidy.dat
printf '1\r\n%s\r\n\r\n1\r\n%s\r\n\r\n1\r\n%s\r\n' "$(sjis ＡＢＣ)" "$(sjis ソ)" "$(sjis 表)" >want.dat
cmp -s tidy.dat want.dat && ok || fail "normalize output"

# export and import: UTF-8 <-> Shift-JIS in the same layout, round trip exact.
expect_status 0 "export" -- run export "$data/kawaban.dat" words.txt
iconv -f UTF-8 -t UTF-8 words.txt >/dev/null && ok || fail "export writes UTF-8"
iconv -f CP932 -t UTF-8 "$data/kawaban.dat" | cmp -s - words.txt && ok || fail "export is the same text"
expect_status 0 "import" -- run import words.txt back.dat
cmp -s back.dat "$data/kawaban.dat" && ok || fail "import round trip"

# import refuses what Shift-JIS cannot hold, names the line and writes nothing.
printf '1\n猫\n\n1\ncafé\n\n1\n歌った😀\n' >bad.txt
cp clean.dat target.dat
expect_status 2 "import unmappable" -- run import bad.txt target.dat
grep -q 'line 5: U+00E9' err.txt && grep -q 'line 8: U+1F600' err.txt && ok || { fail "import names the lines"; cat err.txt; }
cmp -s target.dat clean.dat && ok || fail "import failure leaves the target"
printf '1 \xff\xfe 0 0' >latin1.txt
expect_status 2 "import invalid UTF-8" -- run import latin1.txt target.dat
grep -q 'line 1: not valid UTF-8' err.txt && ok || fail "invalid UTF-8 named"

# export refuses bytes that are no Shift-JIS character.
printf '1 a\xfd 0 0' >odd.dat
expect_status 2 "export undecodable" -- run export odd.dat odd.txt
[ ! -e odd.txt ] && grep -q 'line 2' err.txt && ok || { fail "export undecodable"; cat err.txt; }

# news: K sentences in the sentence shape, fixed by the seed.
expect_status 0 "news" -- run news --seed 7 --count 5 "$data/kawaban.dat"
[ "$(wc -l <out.txt)" = 5 ] && ok || fail "news prints 5 lines"
grep -vqE '^[^ ]+が、[^ ]+で、[^ ]+。$' out.txt && fail "news sentence shape" || ok
cp out.txt news1.txt
run news --count 5 --seed 7 "$data/kawaban.dat" | cmp -s - news1.txt && ok || fail "news same seed"
run news --seed 8 --count 5 "$data/kawaban.dat" | cmp -s - news1.txt && fail "news other seed differs" || ok
printf '1 a 0 1 b' >empty-list.dat
expect_status 2 "news with an empty list" -- run news empty-list.dat

# ticker: K lines; the saver opening; the text moves two bytes per step; --raw is Shift-JIS.
expect_status 0 "ticker" -- run ticker --seed 1 --width 17 --saver --ticks 3 "$data/kawaban.dat"
opening=$(printf '・%.0s' $(seq 1 17))＜でたらめ瓦版＞$(printf '・%.0s' $(seq 1 8))
[ "$(sed -n 1p out.txt)" = "${opening#・}" ] && ok || { fail "ticker first step cuts one character"; head -1 out.txt; }
[ "$(wc -l <out.txt)" = 3 ] && ok || fail "ticker prints 3 lines"
run ticker --seed 1 --width 8 --ticks 40 --raw "$data/kawaban.dat" >raw.txt
run ticker --seed 1 --width 8 --ticks 40 "$data/kawaban.dat" >utf8.txt
iconv -f CP932 -t UTF-8 raw.txt | cmp -s - utf8.txt && ok || fail "ticker --raw is the Shift-JIS of the text"
grep -q 'が、' utf8.txt && ok || fail "ticker appends sentences"
# An odd single byte in a word: cutting two bytes at a time leaves the text starting at the
# second byte of が (0xAA), which then reads as the half-width ｪ.
printf '1 a 1 b 1 c' >ascii.dat
run ticker --seed 1 --width 0 --ticks 27 ascii.dat >a.txt
[ "$(sed -n 26p a.txt)" = "aが、bで、c。$(printf '・%.0s' $(seq 1 10))" ] && ok || { fail "ticker appends after the banner ran out"; sed -n 26p a.txt; }
[ "$(sed -n 27p a.txt)" = "ｪ、bで、c。$(printf '・%.0s' $(seq 1 10))" ] && ok || { fail "ticker cuts bytes, not characters"; sed -n 27p a.txt; }

# bad arguments: English and Japanese, exit 2.
for args in "" "frobnicate" "ticker --seed 1 --ticks 2 x.dat" "news --count many x.dat" "news --seed -1 x.dat" "check"; do
    expect_status 2 "bad arguments '$args'" -- run $args
done
grep -q '引数が正しくありません' err.txt && ok || fail "Japanese error text"
for c in check normalize import export news ticker; do
    expect_status 0 "$c --help" -- run $c --help
    grep -q "usage: kawaban-cli $c" out.txt && ok || fail "$c --help text"
done

echo "cli: $passes passed, $failures failed"
[ "$failures" = 0 ]
