#!/usr/bin/env bash
# The catalogue build-dictionaries.sh writes from whatever dictionary files
# exist: nine sections, each closed by the separator, the default dictionary
# first, CR LF line ends, files it does not know left out; none without the
# default dictionary.
set -euo pipefail
script=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/dizionari"
for file in italiano_inglese.txt inglese_italiano.txt wordnet.txt sigle_vera.txt stray.txt; do
  printf 'T\r\nD\r\n' >"$folder/dizionari/$file"
done

fail() { echo "FAIL: $*"; exit 1; }

"$script" --catalogue-only "$folder"
catalogue="$folder/tutti_i_dizionari.txt"
[ "$(grep -c $'\r$' "$catalogue")" = "$(wc -l <"$catalogue")" ] || fail "a line without CR LF"
tr -d '\r' <"$catalogue" >"$folder/lines"
expected=$'italiano_inglese.txt\n________________________\n________________________\n________________________\n________________________\ninglese_italiano.txt\n________________________\nwordnet.txt\n________________________\n________________________\n________________________\nsigle_vera.txt\n________________________'
[ "$(cat "$folder/lines")" = "$expected" ] || fail "unexpected catalogue:"$'\n'"$(cat "$folder/lines")"

rm "$folder/dizionari/italiano_inglese.txt"
if "$script" --catalogue-only "$folder" 2>/dev/null; then fail "a catalogue without italiano_inglese.txt"; fi
