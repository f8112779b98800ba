#!/bin/sh
# Starts Zelvora from a program folder of the user's own.
#
# The program takes the folder of its executable as its program folder, reads
# its catalogue and dictionaries there and writes its working file there
# (origine2.txt). The installed folder, PREFIX/lib/zelvora, is usually not the
# user's to write, so each user gets ${XDG_DATA_HOME:-~/.local/share}/zelvora:
# a copy of the executable (kept equal to the installed one) and links to
# everything else of the installed folder that the user's folder does not hold
# already. Dictionaries built into the user's folder
# (scripts/build-dictionaries.sh ~/.local/share/zelvora) take the place of the
# links and stay.
set -eu

installed=$(dirname "$(readlink -f "$0")")/../lib/zelvora
installed=$(cd "$installed" && pwd)
if [ -z "${HOME:-}" ] && [ -z "${XDG_DATA_HOME:-}" ]; then
  exec "$installed/zelvora" "$@"
fi
folder=${XDG_DATA_HOME:-$HOME/.local/share}/zelvora
mkdir -p "$folder"

if ! cmp -s "$installed/zelvora" "$folder/zelvora"; then
  cp "$installed/zelvora" "$folder/.zelvora.$$"
  mv -f "$folder/.zelvora.$$" "$folder/zelvora"
fi
for entry in "$installed"/*; do
  name=${entry##*/}
  case $name in zelvora | origine2.txt) continue ;; esac
  # Missing, or a link left dangling by an earlier install.
  [ -e "$folder/$name" ] || ln -sfn "$entry" "$folder/$name"
done
exec "$folder/zelvora" "$@"
