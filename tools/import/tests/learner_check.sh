#!/usr/bin/env bash
# Whether a learner can trust the built bilingual dictionaries: for each common
# word of learner/DICTIONARY (TERM=gloss|gloss..., our own lists), is the term
# in DICTIONARY, and is one of the glosses among the items of the first sense
# of the definition a lookup shows (the first entry of the term)? Run on the
# built catalogue, not in CI (the data is built on this computer at set-up):
#
#   tools/import/tests/learner_check.sh [DATA_FOLDER] [-v]
#
# DATA_FOLDER defaults to build/real-data. -v lists every word that misses.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=${1:-$here/../../../build/real-data}
verbose=${2:-}
status=0
for list in italiano_inglese inglese_italiano; do
  dictionary="$folder/dizionari/$list.txt"
  [ -f "$dictionary" ] || { echo "$dictionary: not found"; exit 2; }
  # The first definition of each wanted term; the words and glosses as Windows-1252.
  grep -v '^#' "$here/learner/$list.txt" | iconv -f UTF-8 -t WINDOWS-1252 |
    LC_ALL=C awk -v verbose="$verbose" -v name="$list" '
      function lower(s) { return tolower(s) }   # ASCII is enough for the glosses compared
      function plain(s) {                        # remarks in parentheses and "to " dropped, spaces trimmed
        while (match(s, /\([^()]*\)/)) s = substr(s, 1, RSTART - 1) substr(s, RSTART + RLENGTH)
        gsub(/^ +| +$/, "", s); gsub(/  +/, " ", s); sub(/^to /, "", s)
        return lower(s)
      }
      # The items of the first sense: "(n. f.) 1. house, home; 2. ..." gives house, home;
      # commas inside a remark ("the (m., before z)") do not part items.
      function firstItems(definition, items,   sense, n, depth, start, i, c) {
        sense = definition
        sub(/^\([^()]*\) /, "", sense)
        if (sense ~ /^1\. /) { sense = substr(sense, 4); sub(/; (\([^()]*\) )?2\. .*/, "", sense) }
        gsub(/ \(via [^()]*\)$/, "", sense)
        n = depth = 0; start = 1
        for (i = 1; i <= length(sense); ++i) {
          c = substr(sense, i, 1)
          if (c == "(") ++depth
          else if (c == ")" && depth > 0) --depth
          else if (depth == 0 && (c == "," || c == ";") && substr(sense, i + 1, 1) == " ") {
            items[++n] = substr(sense, start, i - start); start = i + 2
          }
        }
        items[++n] = substr(sense, start)
        return n
      }
      FNR == NR { split($0, parts, "="); wanted[parts[1]] = parts[2]; order[++count] = parts[1]; next }
      FNR <= 2 { next }                          # the header pair
      FNR % 2 == 1 { sub(/\r$/, ""); term = $0; next }
      { sub(/\r$/, ""); if ((term in wanted) && !(term in shown)) shown[term] = $0 }
      END {
        present = right = 0
        for (i = 1; i <= count; ++i) {
          term = order[i]
          if (!(term in shown) || shown[term] == "") { if (verbose) print "  missing: " term; continue }
          ++present
          n = firstItems(shown[term], items); split(wanted[term], glosses, "|"); ok = 0
          for (k = 1; k <= n; ++k) for (g in glosses) if (plain(items[k]) == lower(glosses[g])) ok = 1
          if (ok) ++right; else if (verbose) print "  wrong:   " term " = " shown[term]
        }
        printf "%s: %d words, %d present (%.1f %%), %d with an expected gloss in the first sense (%.1f %%)\n",
          name, count, present, 100 * present / count, right, 100 * right / count
        exit !(present == count && right >= 0.95 * count)
      }' - "$dictionary" | iconv -f WINDOWS-1252 -t UTF-8 || status=1
done
exit $status
