#!/usr/bin/env bash
# The lookups through base forms on the real data that
# scripts/build-dictionaries.sh put beside the program: the check (the lexicon's
# load time, memory and look-up time, the test words, the share of the words of
# an everyday text that translate with the base forms off and on), then the
# timings of zelvora_bench_baseforms and their ratios.
# Usage: bench/check-base-forms.sh [PROGRAM_FOLDER [TEXT [-v]]]
#   build/src and bench/texts/giornata.txt by default; -v prints the translation.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build-bench
folder=$(cd "${1:-$repo/build/src}" && pwd)
text=${2:-$repo/bench/texts/giornata.txt}

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVORA_BUILD_BENCH=ON \
  -DZELVORA_BUILD_TESTS=OFF -DZELVORA_BUILD_IMPORT=OFF -DZELVORA_BUILD_GUI=ON >/dev/null
cmake --build "$build" -j2 --target zelvora_check_base_forms zelvora_bench_baseforms >/dev/null
working=$(mktemp)
trap 'rm -f "$working"' EXIT
iconv -f UTF-8 -t WINDOWS-1252 "$text" | sed 's/$/\r/' >"$working"
status=0
"$build/bench/zelvora_check_base_forms" "$folder" "$working" "${@:3}" | iconv -f WINDOWS-1252 -t UTF-8 || status=$?

echo
ZELVORA_PROGRAM_FOLDER=$folder "$build/bench/zelvora_bench_baseforms" \
  --benchmark_out="$build/bench_baseforms.json" --benchmark_out_format=json
python3 - "$build/bench_baseforms.json" <<'PY'
import json, sys

runs = {run["name"]: run["real_time"] for run in json.load(open(sys.argv[1]))["benchmarks"]
        if run.get("run_type", "iteration") == "iteration"}
print("\nRatios of real time, base forms on / off (goal: within 1.3):")
for text in ("Everyday", "Forms"):
    on, off = runs.get(f"BM_Translate{text}On"), runs.get(f"BM_Translate{text}Off")
    if on and off:
        print(f"  {text:>8}: {on / off:.3f}   ({on:.2f} ms / {off:.2f} ms)")
PY
exit $status
