#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test; then runs the engine tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; then builds the fuzz targets with clang and runs
# each for a short fixed time (tests/fuzz/README.md).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELVORA_WERROR=ON >/dev/null
cmake --build "$root/build" -j2
(cd "$root/build" && ctest --output-on-failure)

cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZELVORA_WERROR=ON \
  -DZELVORA_BUILD_GUI=OFF -DZELVORA_SANITIZE=ON >/dev/null
cmake --build "$root/build-sanitize" -j2
(cd "$root/build-sanitize" && ctest --output-on-failure)

cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZELVORA_WERROR=ON -DZELVORA_BUILD_GUI=OFF -DZELVORA_BUILD_TESTS=OFF -DZELVORA_BUILD_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" -j2
(cd "$root/build-fuzz" && ctest -L fuzz --output-on-failure)
