#!/usr/bin/env bash
# Installs what is missing, builds the program, puts the real dictionaries and
# the lexicon of word forms beside it (built from Debian's dictd packages and
# npm packages the first time; the bundled sample stays when they cannot be
# had) and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" --set-up
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2 --target zelvora zelvora-import zelvora-forms
# After the build, whose relinking copies the sample back beside the program.
"$root/scripts/build-dictionaries.sh" "$root/build/src" ||
  echo "The real dictionaries could not be built (see build/real-data/build.log); starting on the bundled sample."
exec "$root/build/src/zelvora" "$@"
