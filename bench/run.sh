#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them and prints the time ratios.
# Usage: bench/run.sh [engine] [startup] [translate] [search] [paste] [quiz] [complex] [endtoend]   (all by default)
# endtoend prints its own table (see bench/README.md).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build-bench
names=("$@")
[ ${#names[@]} -eq 0 ] && names=(engine startup translate search paste quiz complex endtoend)

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVORA_BUILD_BENCH=ON \
  -DZELVORA_BUILD_TESTS=OFF -DZELVORA_BUILD_IMPORT=OFF >/dev/null
cmake --build "$build" -j2 --target "${names[@]/#/zelvora_bench_}"

results=()
for name in "${names[@]}"; do
  echo
  if [ "$name" = endtoend ]; then
    "$build/bench/zelvora_bench_endtoend"
    continue
  fi
  "$build/bench/zelvora_bench_$name" --benchmark_out="$build/bench_$name.json" --benchmark_out_format=json
  results+=("$build/bench_$name.json")
done

[ ${#results[@]} -eq 0 ] && exit 0
python3 - "${results[@]}" <<'PY'
import json, sys

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
times = {}
for path in sys.argv[1:]:
    for run in json.load(open(path))["benchmarks"]:
        if run.get("run_type", "iteration") == "iteration":
            times.setdefault(run["name"].split("/")[0], []).append(run["real_time"] * to_ms[run["time_unit"]])
ms = {name[3:]: sum(values) / len(values) for name, values in times.items()}
# The step-by-step reference is timed on 200 words of the 10,000: its cost grows with the words.
for name in ("TranslateReference200", "WordListReference200"):
    if name in ms:
        ms[name.replace("200", "")] = ms[name] * 10_000 / 200

print("\nRatios of real time:")
for top, bottom in [("LineReaderReadLines", "PlainRead"), ("ReadTermsKeep", "PlainRead"),
                    ("StartupLarge", "StartupSmall"), ("FirstShowLarge", "StartupLarge"),
                    ("FirstShowSmall", "StartupSmall"),
                    ("LanguageSwitch", "StartupLarge"), ("LanguageSwitchPainted", "StartupLarge"),
                    ("PasteLines", "SetPlainText"),
                    ("PasteLines", "PasteLinesStockPane"),
                    ("TranslateEngine", "TranslateReference"), ("TranslateEngine", "ReadDictionaryLines"),
                    ("TranslateEngine", "PlainRead"),
                    ("WordListEngine", "WordListReference"), ("WordListEngine", "ReadDictionaryLines"),
                    ("SubstringAllDictionaries", "GrepSubstring"), ("WholeWordAllDictionaries", "GrepWholeWord"),
                    ("Anagrams", "ReadLinesSingle"), ("Rhymes", "ReadLinesSingle"), ("Palindromes", "ReadLinesSingle"),
                    ("Anagrams", "PlainReadSingle"), ("Rhymes", "PlainReadSingle"), ("Palindromes", "PlainReadSingle"),
                    ("QuizPreparation", "QuizReadLines"),
                    ("ComplexSearchTerms", "GrepTerms"), ("ComplexSearchDefinitions", "GrepDefinitions"),
                    ("ComplexSearchBoth", "GrepDefinitions"), ("DefinitionOfLastTerm", "ComplexReadLines")]:
    if top in ms and bottom in ms:
        print(f"  {top:>24} / {bottom:<20} {ms[top] / ms[bottom]:9.4g}   ({ms[top]:.2f} ms / {ms[bottom]:.2f} ms)")
for name in ("Avanti", "AvantiNewSet"):
    if name in ms:
        print(f"  {name:>24}: {ms[name]:.3f} ms")
PY
