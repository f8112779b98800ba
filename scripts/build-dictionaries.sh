#!/usr/bin/env bash
# Builds the real dictionaries from Debian's dictd packages (FreeDict, WordNet,
# GCIDE, FOLDOC, Jargon File, V.E.R.A., The Devil's Dictionary, The Elements)
# and puts them beside the program in place of the bundled sample.
#
#   scripts/build-dictionaries.sh PROGRAM_FOLDER
#       PROGRAM_FOLDER is where the zelvora executable is (build/src). The first
#       run downloads the packages with `apt-get download` into
#       BUILD/dictionary-cache/ (BUILD being PROGRAM_FOLDER's parent), unpacks
#       them there, converts them with zelvora-import into BUILD/real-data/
#       (the catalogue and dizionari/) and copies that into PROGRAM_FOLDER.
#       Later runs reuse the cache, convert only what is out of date and copy
#       only what differs. When the packages cannot be had it says so in one
#       line, exits 0 and leaves the program on the bundled sample.
#       PROGRAM_FOLDER may also be an installed one (the user's own folder that
#       the launcher makes, ~/.local/share/zelvora, or PREFIX/lib/zelvora): when
#       its parent is not a build folder, BUILD is this repository's build/.
#   scripts/build-dictionaries.sh --catalogue-only DATA_FOLDER
#       Writes DATA_FOLDER/tutti_i_dizionari.txt from the dictionary files that
#       exist in DATA_FOLDER/dizionari/.
#
# It also builds the lexicon of Italian word forms that the lookups through
# base forms read ("Cerca anche le forme base"), forme_italiane.txt beside the
# dictionaries: the Morph-it! tables of three npm packages, fetched with
# `npm pack` into BUILD/dictionary-cache/npm/, converted with zelvora-forms
# together with our own supplement (tools/forms/supplement/). Without npm, or
# when the packages cannot be had, it says so and the item stays disabled.
#
# Nothing is installed: the packages are only unpacked into the cache.
# Environment: ZELVORA_IMPORT, ZELVORA_FORMS (the converters; default
# BUILD/tools/import/zelvora-import, BUILD/tools/forms/zelvora-forms),
# ZELVORA_DICTIONARY_CACHE, ZELVORA_REAL_DATA (the two folders above).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
script="$root/scripts/build-dictionaries.sh"

# The dictionaries: section|file|title|source and licence|inputs (dictd names,
# th_LL_CC_v2 for a LibreOffice thesaurus, or NAME.txt for a supplement of our
# own in tools/import/supplement/; an option before an input tells how it is
# read: --inverse, --glosses, --thesaurus, --supplement, --via-*). The packages
# are dict-NAME for each dictd input NAME (dict-freedict-ita-eng for
# freedict-ita-eng) and mythes-LL for a thesaurus.
built_here="built on this computer from the Debian package"

# Translation through third languages: for each language, the dictionaries
# from the terms' language into it and out of it into the definitions' one.
# ita>eng and eng>ita through: ita-LL, LL-ita, LL-eng, eng-LL, each where it exists.
through_languages="fin pol ell bul jpn nor ind spa por swe fra nld"
# Those of Debian's FreeDict dictionaries (jpn-eng left out: 11 MB for what eng-jpn gives).
available_pairs="ita-fin fin-ita fin-eng eng-fin ita-pol pol-ita pol-eng eng-pol ita-ell ell-ita ell-eng eng-ell
  ita-bul eng-bul ita-jpn eng-jpn ita-nor eng-nor ita-ind eng-ind ita-spa spa-eng eng-spa ita-por por-eng eng-por
  ita-swe swe-ita swe-eng eng-swe fra-ita fra-eng eng-fra nld-ita nld-eng eng-nld"
available_pairs=$(echo $available_pairs)
via_ita_eng="" via_eng_ita=""
for language in $through_languages; do
  for pair in "ita-$language --via-in" "$language-ita --via-in-inverse" "$language-eng --via-out" "eng-$language --via-out-inverse"; do
    name=freedict-${pair% *} option=${pair#* }
    case " $available_pairs " in *" ${pair% *} "*) via_ita_eng+=" $option $name" ;; esac
  done
  for pair in "eng-$language --via-in" "$language-eng --via-in-inverse" "$language-ita --via-out" "ita-$language --via-out-inverse"; do
    name=freedict-${pair% *} option=${pair#* }
    case " $available_pairs " in *" ${pair% *} "*) via_eng_ita+=" $option $name" ;; esac
  done
done
through="translations through Finnish, Polish, Greek, Bulgarian, Japanese, Norwegian, Indonesian, Spanish, Portuguese, Swedish, French and Dutch (FreeDict+WikDict, Wiktionary data, CC BY-SA 3.0; FreeDict, GNU GPL 2 or later) where two or more agree"

dictionaries=(
  "1|italiano_inglese.txt|ITALIANO-INGLESE (FREEDICT)|FreeDict ita-eng and the inverse of eng-ita (Ergane data), GNU GPL 2 or later; $through; the commonest function words glossed first by Zelvora's own supplement (tools/import/supplement); $built_here dict-freedict-ita-eng, dict-freedict-eng-ita and those of the other languages|freedict-ita-eng --inverse freedict-eng-ita$via_ita_eng --supplement italiano_inglese.txt"
  "2|definizioni_italiane.txt|DEFINIZIONI ITALIANE (WIKTIONARY)|Italian glosses of the FreeDict+WikDict ita-spa, ita-por, ita-swe, ita-nor, ita-fin and ita-ind dictionaries (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-*|--glosses freedict-ita-spa --glosses freedict-ita-por --glosses freedict-ita-swe --glosses freedict-ita-nor --glosses freedict-ita-fin --glosses freedict-ita-ind"
  "3|sinonimi_italiani.txt|SINONIMI ITALIANI (THESAURUS ITALIANO)|Thesaurus italiano 2.07, Daniela Volta, Giovanni Zuliani, Davide Prina, GNU GPL 3 or later; $built_here mythes-it|--thesaurus th_it_IT_v2"
  "5|inglese_italiano.txt|INGLESE-ITALIANO (FREEDICT)|FreeDict eng-ita and the inverse of ita-eng (Ergane data), GNU GPL 2 or later; $through; $built_here dict-freedict-eng-ita, dict-freedict-ita-eng and those of the other languages|freedict-eng-ita --inverse freedict-ita-eng$via_eng_ita"
  "5|italiano_tedesco.txt|ITALIANO-TEDESCO (FREEDICT)|FreeDict ita-deu and the inverse of deu-ita (Ergane data), GNU GPL 2 or later; $built_here dict-freedict-ita-deu, dict-freedict-deu-ita|freedict-ita-deu --inverse freedict-deu-ita"
  "5|italiano_francese.txt|ITALIANO-FRANCESE (FREEDICT)|The inverse of FreeDict+WikDict fra-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-fra-ita|--inverse freedict-fra-ita"
  "5|italiano_spagnolo.txt|ITALIANO-SPAGNOLO (FREEDICT)|FreeDict+WikDict ita-spa (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-spa|freedict-ita-spa"
  "5|italiano_portoghese.txt|ITALIANO-PORTOGHESE (FREEDICT)|FreeDict+WikDict ita-por (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-por|freedict-ita-por"
  "5|italiano_olandese.txt|ITALIANO-OLANDESE (FREEDICT)|The inverse of FreeDict+WikDict nld-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-nld-ita|--inverse freedict-nld-ita"
  "5|italiano_svedese.txt|ITALIANO-SVEDESE (FREEDICT)|FreeDict+WikDict ita-swe and the inverse of swe-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-swe, dict-freedict-swe-ita|freedict-ita-swe --inverse freedict-swe-ita"
  "5|italiano_norvegese.txt|ITALIANO-NORVEGESE (FREEDICT)|FreeDict+WikDict ita-nor (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-nor|freedict-ita-nor"
  "5|italiano_finlandese.txt|ITALIANO-FINLANDESE (FREEDICT)|FreeDict+WikDict ita-fin and the inverse of fin-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-fin, dict-freedict-fin-ita|freedict-ita-fin --inverse freedict-fin-ita"
  "5|italiano_indonesiano.txt|ITALIANO-INDONESIANO (FREEDICT)|FreeDict+WikDict ita-ind (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-ita-ind|freedict-ita-ind"
  "6|wordnet.txt|WORDNET 3.0|WordNet 3.0, Princeton University, WordNet 3.0 licence (free use and distribution with its copyright notice); $built_here dict-wn|wn"
  "6|gcide.txt|GCIDE - COLLABORATIVE INTERNATIONAL DICTIONARY OF ENGLISH|GCIDE 0.48 (Webster's 1913 and WordNet), GNU GPL 2 or later; $built_here dict-gcide|gcide"
  "7|foldoc.txt|FOLDOC - FREE ON-LINE DICTIONARY OF COMPUTING|FOLDOC, Denis Howe, GNU FDL 1.1 or later; $built_here dict-foldoc|foldoc"
  "7|jargon_file.txt|THE JARGON FILE 4.4.7|The Jargon File 4.4.7, Eric S. Raymond, public domain; $built_here dict-jargon|jargon"
  "8|tedesco_italiano.txt|TEDESCO-ITALIANO (FREEDICT)|FreeDict deu-ita (Ergane data), GNU GPL 2 or later; $built_here dict-freedict-deu-ita|freedict-deu-ita"
  "8|francese_italiano.txt|FRANCESE-ITALIANO (FREEDICT)|FreeDict+WikDict fra-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-fra-ita|freedict-fra-ita"
  "8|olandese_italiano.txt|OLANDESE-ITALIANO (FREEDICT)|FreeDict+WikDict nld-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-nld-ita|freedict-nld-ita"
  "8|svedese_italiano.txt|SVEDESE-ITALIANO (FREEDICT)|FreeDict+WikDict swe-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-swe-ita|freedict-swe-ita"
  "8|finlandese_italiano.txt|FINLANDESE-ITALIANO (FREEDICT)|FreeDict+WikDict fin-ita (Wiktionary data), CC BY-SA 3.0; $built_here dict-freedict-fin-ita|freedict-fin-ita"
  "9|sigle_vera.txt|V.E.R.A. - VIRTUAL ENTITY OF RELEVANT ACRONYMS|V.E.R.A. 1.24, Oliver Heidelbach, GNU FDL 1.1 or later; $built_here dict-vera|vera"
  "9|devils_dictionary.txt|THE DEVIL'S DICTIONARY|The Devil's Dictionary, Ambrose Bierce (1911), public domain; $built_here dict-devil|devil"
  "9|elementi_chimici.txt|THE ELEMENTS|The Elements, Jay F. Kominek (2000), public domain; $built_here dict-elements|elements"
)
separator="________________________"
default_dictionary="italiano_inglese.txt"

# The lexicon of word forms: the npm packages (name@version) and their tables,
# read in this order after our supplement, each with the option telling its kind.
lexicon_name="forme_italiane.txt"
lexicon_packages="italian-verbs-dict@3.4.0 italian-adjectives-dict@3.4.0 italian-words-dict@3.4.0"
lexicon_tables="--verbs italian-verbs-dict/package/dist/verbs.json --adjectives italian-adjectives-dict/package/dist/adjectives.json --nouns italian-words-dict/package/dist/words.json"
lexicon_source="Morph-it! 0.4.8, a morphological lexicon of Italian by Marco Baroni and Eros Zanchetta, CC BY-SA 2.0 and GNU LGPL, as the npm packages italian-verbs-dict, italian-adjectives-dict and italian-words-dict 3.4.0 (RosaeNLG) publish it; the forms of essere and avere, of bello, buono, grande, the determiners and the elided words from Zelvora's own supplement (tools/forms/supplement); built on this computer"

sections=() files=() titles=() sources=() inputs=()
for entry in "${dictionaries[@]}"; do
  IFS='|' read -r section file title source input <<<"$entry"
  sections+=("$section") files+=("$file") titles+=("$title") sources+=("$source") inputs+=("$input")
done
# The input names dictionary number $1 reads, without their options.
inputs_of() {
  local word
  for word in ${inputs[$1]}; do
    [[ $word == --* ]] || echo "$word"
  done
}

# Writes FOLDER/tutti_i_dizionari.txt: nine sections, each the files of the
# table that exist in FOLDER/dizionari, each closed by the separator; CR LF.
write_catalogue() {
  local folder=$1 section i
  [ -f "$folder/dizionari/$default_dictionary" ] || { echo "no $default_dictionary in $folder/dizionari" >&2; return 1; }
  for section in 1 2 3 4 5 6 7 8 9; do
    for i in "${!files[@]}"; do
      if [ "${sections[$i]}" = "$section" ] && [ -f "$folder/dizionari/${files[$i]}" ]; then
        printf '%s\r\n' "${files[$i]}"
      fi
    done
    printf '%s\r\n' "$separator"
  done >"$folder/tutti_i_dizionari.txt.new"
  mv "$folder/tutti_i_dizionari.txt.new" "$folder/tutti_i_dizionari.txt"
}

if [ "${1:-}" = "--catalogue-only" ]; then
  [ $# -eq 2 ] || { echo "usage: $0 --catalogue-only DATA_FOLDER" >&2; exit 2; }
  write_catalogue "$2"
  exit 0
fi
[ $# -eq 1 ] && [ -d "$1" ] || { echo "usage: $0 PROGRAM_FOLDER (the folder of the zelvora executable)" >&2; exit 2; }

program=$(cd "$1" && pwd)
build=$(dirname "$program")
[ -f "$build/CMakeCache.txt" ] || build=$root/build
cache=${ZELVORA_DICTIONARY_CACHE:-$build/dictionary-cache}
real=${ZELVORA_REAL_DATA:-$build/real-data}
import=${ZELVORA_IMPORT:-$build/tools/import/zelvora-import}
forms=${ZELVORA_FORMS:-$build/tools/forms/zelvora-forms}
supplements="$root/tools/import/supplement"
forms_supplement="$root/tools/forms/supplement/$lexicon_name"

for tool in "$import" "$forms"; do
  if [ ! -x "$tool" ] && [ -f "$build/CMakeCache.txt" ]; then
    cmake --build "$build" -j2 --target "${tool##*/}" >/dev/null
  fi
done
[ -x "$import" ] || { echo "zelvora-import not found at $import" >&2; exit 1; }

# Puts the built dictionaries beside the program in place of the sample: a
# hard link to each (one copy on disk; the build replaces the sample's files,
# it does not write into them), or a copy where links cannot be made; removes
# the rest. The small catalogue is copied.
install_beside_program() {
  local source target
  # The launcher's folder links to the installed sample's dizionari/: a folder of its own instead.
  [ ! -L "$program/dizionari" ] || rm "$program/dizionari"
  mkdir -p "$program/dizionari"
  if ! cmp -s "$real/tutti_i_dizionari.txt" "$program/tutti_i_dizionari.txt"; then
    cp "$real/tutti_i_dizionari.txt" "$program/tutti_i_dizionari.txt.new"
    mv "$program/tutti_i_dizionari.txt.new" "$program/tutti_i_dizionari.txt"
  fi
  for source in "$real/dizionari"/*.txt; do
    target="$program/dizionari/${source##*/}"
    [ "$source" -ef "$target" ] && continue
    if ! ln -f "$source" "$target" 2>/dev/null; then
      if [ ! -f "$target" ] || [ "$source" -nt "$target" ] || [ "$source" -ot "$target" ]; then
        cp -p "$source" "$target.new" && mv "$target.new" "$target"
      fi
    fi
  done
  for target in "$program/dizionari"/*; do
    [ -e "$real/dizionari/${target##*/}" ] || rm -f "$target"
  done
  install_lexicon
}
# The lexicon of word forms beside the program, by a link or a copy, when it was built.
install_lexicon() {
  local source="$real/$lexicon_name" target="$program/$lexicon_name"
  [ -f "$source" ] && ! [ "$source" -ef "$target" ] || return 0
  ln -f "$source" "$target" 2>/dev/null || { cp -p "$source" "$target.new" && mv "$target.new" "$target"; }
}
report() {
  local count message
  count=$(grep -vc "^$separator" "$real/tutti_i_dizionari.txt" || true)
  message="Real dictionaries: $count files in $program"
  [ -z "${1:-}" ] || message+=" (not available: $1)"
  [ ! -f "$program/$lexicon_name" ] || message+=", with the lexicon of word forms"
  echo "$message"
}

# Nothing to do when the packages, the converter and this script are those of
# the last complete build: one stat, no reading of the inputs.
stamp="$real/up-to-date"
signature() {
  stat -c '%n %s %Y' "$script" "$import" "$supplements"/*.txt "$cache"/debs/*.deb \
    "$forms" "$forms_supplement" "$cache"/npm/*.tgz 2>/dev/null || true
}
if [ -f "$stamp" ] && [ -f "$real/tutti_i_dizionari.txt" ] && [ "$(signature)" = "$(cat "$stamp")" ]; then
  install_beside_program
  report
  exit 0
fi
rm -f "$stamp"

summaries="$real/summaries" # what zelvora-import said about each file
mkdir -p "$cache/debs" "$cache/unpacked" "$real/dizionari" "$summaries"
log="$real/build.log" # what this run did and what failed
: >"$log"

# 0. The lexicon of word forms: fetch the npm packages the cache lacks, unpack
# them, convert when the lexicon is older than its inputs, the converter or
# this script. Says why when it cannot, and returns 1.
build_lexicon() {
  local package name tarball folder input missing=() arguments=() word stale=no
  local lexicon="$real/$lexicon_name"
  [ -x "$forms" ] || { echo "Lexicon of word forms not built: zelvora-forms not found at $forms."; return 1; }
  mkdir -p "$cache/npm"
  for package in $lexicon_packages; do
    name=${package%@*}
    [ -f "$cache/npm/$name-${package#*@}.tgz" ] || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if ! command -v npm >/dev/null; then
      echo "Lexicon of word forms not built: npm is not installed (Debian package npm); 'Cerca anche le forme base' stays disabled."
      return 1
    fi
    if ! (cd "$cache/npm" && npm pack --silent "${missing[@]}") >>"$log" 2>&1; then
      echo "Lexicon of word forms not built: npm pack could not fetch ${missing[*]} (see $log); 'Cerca anche le forme base' stays disabled."
      return 1
    fi
  fi
  for package in $lexicon_packages; do
    name=${package%@*} tarball="$cache/npm/${package%@*}-${package#*@}.tgz" folder="$cache/unpacked/npm/$name"
    if [ ! -f "$folder/.unpacked" ] || [ "$tarball" -nt "$folder/.unpacked" ]; then
      rm -rf "$folder" && mkdir -p "$folder" && tar -xzf "$tarball" -C "$folder" && touch "$folder/.unpacked"
    fi
    [ "$tarball" -nt "$lexicon" ] && stale=yes
  done
  for word in $lexicon_tables; do
    case $word in
      --*) arguments+=("$word") ;;
      *) arguments+=("$cache/unpacked/npm/$word") ;;
    esac
  done
  [ -f "$lexicon" ] || stale=yes
  for input in "$forms" "$script" "$forms_supplement"; do
    [ "$input" -nt "$lexicon" ] && stale=yes
  done
  [ $stale = yes ] || return 0
  if ! "$forms" --source "$lexicon_source" --supplement "$forms_supplement" "${arguments[@]}" -o "$lexicon" \
    2>"$summaries/$lexicon_name"; then
    cat "$summaries/$lexicon_name" >>"$log"
    echo "Lexicon of word forms not built: zelvora-forms failed (see $log)."
    return 1
  fi
  head -n 1 "$summaries/$lexicon_name" >>"$log"
}
lexicon_built=yes
build_lexicon || lexicon_built=no
install_lexicon

# The package of input $1 (none for our supplements), and the files it reads there.
package_of() {
  case $1 in
    *.txt) ;;
    th_*) local language=${1#th_}; echo "mythes-${language%%_*}" ;;
    *) echo "dict-$1" ;;
  esac
}
input_path() {
  case $1 in
    *.txt) echo "$supplements/$1" ;;
    th_*) echo "$cache/unpacked/$(package_of "$1")/usr/share/mythes/$1.dat" ;;
    *) echo "$cache/unpacked/dict-$1/usr/share/dictd/$1" ;;
  esac
}
input_files() {
  case $1 in
    *.txt | th_*) input_path "$1" ;;
    *) local base; base=$(input_path "$1"); echo "$base.index"; ls "$base".dict* 2>/dev/null || true ;;
  esac
}

# The packages of every input, each once.
packages=$(for i in "${!files[@]}"; do for name in $(inputs_of "$i"); do package_of "$name"; done; done | sort -u)
deb_of() { { ls -t "$cache/debs/$1"_*.deb 2>/dev/null || true; } | head -n 1; }

# 1. Download what the cache lacks; one at a time when all at once fails, to keep what can be had.
missing=()
for package in $packages; do
  [ -n "$(deb_of "$package")" ] || missing+=("$package")
done
fetch() {
  (cd "$cache/debs" && apt-get download -o Acquire::Retries=1 -o Acquire::http::Timeout=30 "$@") >>"$log" 2>&1
}
if [ ${#missing[@]} -gt 0 ]; then
  if ! fetch "${missing[@]}"; then
    for package in "${missing[@]}"; do fetch "$package" || true; done
  fi
fi
unavailable=()
for package in $packages; do
  [ -n "$(deb_of "$package")" ] || unavailable+=("$package")
done
for package in dict-freedict-ita-eng dict-freedict-eng-ita; do
  if [ -z "$(deb_of "$package")" ]; then
    echo "Real dictionaries not built: apt-get download could not fetch ${#unavailable[@]} of $(wc -w <<<"$packages") dictionary packages (no network or no package lists? see $log); the program starts on the bundled sample."
    exit 0
  fi
done

# 2. Unpack each package once (again when its .deb is newer).
for package in $packages; do
  deb=$(deb_of "$package")
  [ -n "$deb" ] || continue
  target="$cache/unpacked/$package"
  if [ ! -f "$target/.unpacked" ] || [ "$deb" -nt "$target/.unpacked" ]; then
    rm -rf "$target"
    dpkg-deb -x "$deb" "$target"
    touch "$target/.unpacked"
  fi
done

# 3. Convert what is out of date: older than one of its inputs, the converter or this script.
announced=no
failed=()
for i in "${!files[@]}"; do
  file=${files[$i]}
  output="$real/dizionari/$file"
  ready=yes
  stale=no
  [ -f "$output" ] || stale=yes
  for name in $(inputs_of "$i"); do
    first=$(input_files "$name" | head -n 1)
    if [ ! -f "$first" ]; then
      ready=no
      continue
    fi
    for input in $(input_files "$name"); do
      [ "$input" -nt "$output" ] && stale=yes
    done
  done
  if [ $ready = no ]; then
    rm -f "$output" # a package went missing: leave its dictionary out of the catalogue
    continue
  fi
  [ "$import" -nt "$output" ] || [ "$script" -nt "$output" ] && stale=yes
  [ $stale = yes ] || continue
  if [ $announced = no ]; then
    echo "Converting Debian's dictd dictionaries into $real (about a minute)..."
    announced=yes
  fi
  arguments=()
  for word in ${inputs[$i]}; do
    case $word in
      --*) arguments+=("$word") ;;
      *) arguments+=("$(input_path "$word")") ;;
    esac
  done
  if "$import" --title "${titles[$i]}" --source "${sources[$i]}" "${arguments[@]}" -o "$output" 2>"$summaries/$file"; then
    head -n 1 "$summaries/$file" >>"$log"
  else
    cat "$summaries/$file" >>"$log"
    failed+=("$file")
  fi
done
[ ${#failed[@]} -eq 0 ] || echo "Could not convert ${failed[*]}; see $log" >&2

# 4. The catalogue of what was built.
if ! write_catalogue "$real" 2>>"$log"; then
  echo "Real dictionaries not built: $default_dictionary is missing (see $log); the program starts on the bundled sample."
  exit 1
fi

# 5. Beside the program, in place of the sample.
install_beside_program
[ ${#failed[@]} -gt 0 ] || [ ${#unavailable[@]} -gt 0 ] || [ $lexicon_built = no ] || signature >"$stamp"
report "${unavailable[*]}"
