#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them and prints the time ratios.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build-bench

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVORA_BUILD_BENCH=ON -DZELVORA_BUILD_TESTS=OFF
cmake --build "$build" --target zelvora_bench_engine zelvora_bench_startup -j2

for name in engine startup; do
  echo
  "$build/bench/zelvora_bench_$name" --benchmark_out="$build/bench_$name.json" --benchmark_out_format=json "$@"
done

python3 - "$build/bench_engine.json" "$build/bench_startup.json" <<'PY'
import json, sys

to_ms = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}
times = {}
for path in sys.argv[1:]:
    for run in json.load(open(path))["benchmarks"]:
        if run.get("run_type", "iteration") == "iteration":
            times.setdefault(run["name"].split("/")[0], []).append(run["real_time"] * to_ms[run["time_unit"]])
ms = {name: sum(values) / len(values) for name, values in times.items()}

print("\nRatios of real time:")
for top, bottom in [("BM_LineReaderReadLines", "BM_PlainRead"), ("BM_ReadTermsKeep", "BM_PlainRead"),
                    ("BM_StartupLarge", "BM_StartupSmall"), ("BM_FirstShowLarge", "BM_StartupLarge"),
                    ("BM_FirstShowSmall", "BM_StartupSmall")]:
    if top in ms and bottom in ms:
        print(f"  {top[3:]:>19} / {bottom[3:]:<13} {ms[top] / ms[bottom]:7.2f}   ({ms[top]:.2f} ms / {ms[bottom]:.2f} ms)")
PY
