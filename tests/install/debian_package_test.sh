#!/usr/bin/env bash
# debian_package_test.sh BUILD: builds the Debian package with cpack into a
# temporary folder and checks it: its name, its dependencies (read off the
# executable, and the Qt platform plugins), its files (those of an install
# into a prefix, under /usr) and a stripped program.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB -B "$tmp/package" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/package/zelvora_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single zelvora_*.deb: ${debs[*]}"
deb=${debs[0]}
[ "${deb##*/}" = "zelvora_$(dpkg-deb -f "$deb" Version)_$(dpkg --print-architecture).deb" ] || fail "package file name ${deb##*/}"
[ "$(dpkg-deb -f "$deb" Package)" = zelvora ] || fail "package name"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] || fail "Depends lacks $package: $depends"
done

# The package's files are the install tree's, under /usr.
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
(cd "$tmp/prefix" && find . -type f -o -type l | sed 's|^\./|/usr/|' | sort) >"$tmp/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's|^\./|/|; /[^/]$/p' | sort >"$tmp/packaged"
diff -u "$tmp/installed" "$tmp/packaged" || fail "the package's files differ from the install tree's"

dpkg-deb -x "$deb" "$tmp/unpacked"
! readelf -S "$tmp/unpacked/usr/lib/zelvora/zelvora" | grep -q '\.debug_info' || fail "the packaged program is not stripped"
echo "${deb##*/}: $(wc -l <"$tmp/packaged") files; Depends: $depends"
