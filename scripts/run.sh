#!/usr/bin/env bash
# Installs what is missing, builds the program, puts the real dictionaries
# beside it (built from Debian's dictd packages the first time; the bundled
# sample stays when they cannot be had) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2 --target zelvora zelvora-import
# After the build, whose relinking copies the sample back beside the program.
"$root/scripts/build-dictionaries.sh" "$root/build/src" ||
  echo "The real dictionaries could not be built (see build/real-data/build.log); starting on the bundled sample."
exec "$root/build/src/zelvora" "$@"
