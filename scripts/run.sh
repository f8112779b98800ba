#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the bundled dictionaries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2 --target zelvora
exec "$root/build/src/zelvora" "$@"
