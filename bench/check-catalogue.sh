#!/usr/bin/env bash
# Checks that a lookup finds every term of every dictionary of the real
# catalogue, after scripts/build-dictionaries.sh has put it beside the program.
# Usage: bench/check-catalogue.sh [PROGRAM_FOLDER [BUFFER_SIZE]]   (build/src and 1 MiB by default)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build-bench
folder=${1:-$repo/build/src}

cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELVORA_BUILD_BENCH=ON \
  -DZELVORA_BUILD_TESTS=OFF -DZELVORA_BUILD_IMPORT=OFF -DZELVORA_BUILD_GUI=ON >/dev/null
cmake --build "$build" -j2 --target zelvora_check_catalogue >/dev/null
"$build/bench/zelvora_check_catalogue" "$folder" "${@:2}"
