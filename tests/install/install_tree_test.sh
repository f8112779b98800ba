#!/usr/bin/env bash
# install_tree_test.sh BUILD SOURCE: installs BUILD into a temporary prefix,
# checks the tree file by file, validates the desktop entry and the AppStream
# metainfo, and starts the program through the desktop entry's Exec line.
set -euo pipefail
build=$1 source=$2
tmp=$(mktemp -d)
program_pid=""
cleanup() {
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.zelvora.Zelvora
sizes="16 22 24 32 48 64 128 256"

# 1. Exactly these files: nothing missing, nothing else (no real dictionaries,
# no working file).
{
  echo bin/zelvora
  echo lib/zelvora/zelvora
  echo lib/zelvora/tutti_i_dizionari.txt
  for file in si.bmp no.bmp 0.bmp si1.wav si2.wav si3.wav si4.wav no.wav; do echo "lib/zelvora/$file"; done
  for file in "$source"/data/dizionari/*; do echo "lib/zelvora/dizionari/${file##*/}"; done
  echo "share/applications/$id.desktop"
  echo "share/metainfo/$id.metainfo.xml"
  echo "share/icons/hicolor/scalable/apps/$id.svg"
  for size in $sizes; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done
} | sort >"$tmp/expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$tmp/installed"
diff -u "$tmp/expected" "$tmp/installed" || fail "the installed files differ from the expected layout"

# 2. The program folder: the bundled sample as it stands, the program and the
# launcher executable, the quiz's media what their names say.
cmp "$source/data/tutti_i_dizionari.txt" "$prefix/lib/zelvora/tutti_i_dizionari.txt"
diff -r "$source/data/dizionari" "$prefix/lib/zelvora/dizionari" || fail "dizionari/ is not the bundled sample"
for file in bin/zelvora lib/zelvora/zelvora; do
  [ -x "$prefix/$file" ] || fail "$file is not executable"
done
magic() { head -c "$2" "$1"; }
for file in si.bmp no.bmp 0.bmp; do [ "$(magic "$prefix/lib/zelvora/$file" 2)" = BM ] || fail "$file is no bitmap"; done
for file in si1.wav si2.wav si3.wav si4.wav no.wav; do
  [ "$(magic "$prefix/lib/zelvora/$file" 4)" = RIFF ] || fail "$file is no wave file"
done

# 3. The icon: each PNG of the size its folder says (the IHDR's width and height).
for size in $sizes; do
  png=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(magic "$png" 4 | tail -c 3)" = PNG ] || fail "$png is no PNG"
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
  [ "$width $height" = "$size $size" ] || fail "$png is $width x $height, not $size x $size"
done

# 4. The desktop entry and the metainfo: valid, both languages, the right
# categories, an Exec command the launcher answers and an installed icon.
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" | { grep -v ': hint: ' || true; } >"$tmp/validate"
  [ ! -s "$tmp/validate" ] || { cat "$tmp/validate"; fail "desktop-file-validate"; }
else
  echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo"; fail "appstreamcli validate"; }
else
  echo "appstreamcli is not installed: the metainfo is not validated"
fi
value() { sed -n "s/^$1=//p" "$desktop"; }
for key in 'Name' 'Name\[it\]' 'GenericName' 'GenericName\[it\]' 'Comment' 'Comment\[it\]'; do
  [ -n "$(value "$key")" ] || fail "the desktop entry has no $key"
done
[ "$(value 'Comment')" != "$(value 'Comment\[it\]')" ] || fail "the Italian comment is the English one"
for category in Education Dictionary; do
  case ";$(value Categories)" in *";$category;"*) ;; *) fail "not in $category: Categories=$(value Categories)" ;; esac
done
exec_line=$(value Exec)
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not a command of PREFIX/bin"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$(value Icon).svg" ] || fail "Icon=$(value Icon) is not installed"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo launches no $id.desktop"

# 5. Started through the Exec line, the program runs from the user's own
# folder: a copy of the installed executable (its program folder being the
# folder of its executable), links to the installed catalogue, dictionaries
# and media. It is still running after two seconds.
installed=$prefix/lib/zelvora
folder=$tmp/data/zelvora
start() {
  PATH="$prefix/bin:$PATH" XDG_DATA_HOME=$tmp/data QT_QPA_PLATFORM=offscreen $exec_line >"$tmp/program.log" 2>&1 &
  program_pid=$!
  for _ in $(seq 100); do
    [ "$(readlink "/proc/$program_pid/exe" 2>/dev/null)" = "$folder/zelvora" ] && break
    sleep 0.1
  done
  [ "$(readlink "/proc/$program_pid/exe" 2>/dev/null)" = "$folder/zelvora" ] ||
    { cat "$tmp/program.log"; fail "the launcher did not start $folder/zelvora"; }
  sleep 2
  kill -0 "$program_pid" 2>/dev/null || { cat "$tmp/program.log"; fail "the program ended on its own"; }
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
}
start
cmp "$installed/zelvora" "$folder/zelvora"
for name in tutti_i_dizionari.txt dizionari si.bmp no.bmp 0.bmp si1.wav si2.wav si3.wav si4.wav no.wav; do
  [ "$(readlink -f "$folder/$name")" = "$(readlink -f "$installed/$name")" ] || fail "$folder/$name is not the installed $name"
done
[ ! -e "$folder/origine2.txt" ] || fail "the start wrote a working file"

# 6. What the user's folder holds of its own stays (real dictionaries built
# into it); what went missing is linked again; a changed installed program
# (an upgrade) is copied again.
rm "$folder/tutti_i_dizionari.txt" "$folder/dizionari" "$folder/si.bmp"
printf 'own catalogue\r\n' >"$folder/tutti_i_dizionari.txt"
mkdir "$folder/dizionari"
printf 'own\r\n' >"$folder/dizionari/own.txt"
printf '\0' >>"$installed/zelvora"
start
cmp "$installed/zelvora" "$folder/zelvora"
[ "$(cat "$folder/tutti_i_dizionari.txt")" = $'own catalogue\r' ] || fail "the user's catalogue was replaced"
[ ! -L "$folder/dizionari" ] && [ -f "$folder/dizionari/own.txt" ] || fail "the user's dizionari/ was replaced"
[ "$(readlink -f "$folder/si.bmp")" = "$(readlink -f "$installed/si.bmp")" ] || fail "si.bmp was not linked again"
echo "install tree: $(wc -l <"$tmp/installed") files checked, started twice through Exec=$exec_line"
