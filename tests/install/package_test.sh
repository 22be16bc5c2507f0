#!/usr/bin/env bash
# Builds the Debian package of the build and checks its control data and contents: the
# dependencies it names, the files it holds, and that removing it can run nothing of its own.
# Usage: package_test.sh BUILD_DIR
set -u
build=$1
. "$(dirname "$0")/checks.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

arch=$(dpkg --print-architecture)
(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || {
  cat "$tmp/cpack.log" >&2
  fail "cpack -G DEB"
  finish
}
debs=("$tmp"/kwerlo_*_"$arch".deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { fail "no kwerlo_*_$arch.deb: $(ls "$tmp")"; finish; }
deb=${debs[0]}

info=$(dpkg-deb -I "$deb") || fail "dpkg-deb -I"
field() { dpkg-deb -f "$deb" "$1"; }
expect_eq "Package" "$(field Package)" "kwerlo"
expect_eq "Architecture" "$(field Architecture)" "$arch"
[ -n "$(field Version)" ] || fail "no Version"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
grep -q '^ Depends: ' <<<"$info" || fail "dpkg-deb -I shows no Depends"

# Depends as one package name a line (alternatives and version constraints dropped).
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/^ *//; s/ *$//' | sed '/^$/d' | sort -u)
depends_on() { grep -qxE "$1" <<<"$depends"; }
# What the programs need: the toolkit, GTK, zlib, the C and C++ runtimes (library packages may
# carry the t64 suffix), the faces of the printed pages and of the windows, and xdg-open.
for p in 'libwxgtk3\.2-1(t64)?' 'libwxbase3\.2-1(t64)?' 'libgtk-3-0(t64)?' zlib1g libc6 \
         'libstdc\+\+6' fonts-liberation fonts-dejavu-core xdg-utils; do
  depends_on "$p" || fail "Depends lacks $p: $(field Depends)"
done
# Every library the two programs load directly comes from a package that Depends names, with a
# minimum version (dpkg-shlibdeps computed them).
owner() {
  local p
  for p in "$1" "${1#/usr}" "/usr$1"; do
    dpkg-query -S "$p" 2>/dev/null | head -n 1 | cut -d: -f1 | grep . && return
  done
}
re_escape() { sed 's/[.+]/\\&/g' <<<"$1"; }
mkdir -p "$tmp/root"
dpkg-deb -x "$deb" "$tmp/root"
for program in kwerlo kwerlo-cli; do
  bin="$tmp/root/usr/bin/$program"
  paths=$(ldd "$bin")
  while read -r soname; do
    lib=$(awk -v n="$soname" '$1 == n && $2 == "=>" {print $3}' <<<"$paths")
    [ -n "$lib" ] || { fail "$program: $soname is not found"; continue; }
    pkg=$(owner "$lib")
    [ -n "$pkg" ] || { fail "$program: no package holds $lib"; continue; }
    depends_on "$(re_escape "$pkg")" || fail "$program loads $lib from $pkg, which Depends does not name"
    field Depends | grep -qE "(^|[,|] ?)$(re_escape "$pkg") \(>= [^)]+\)" ||
      fail "Depends names $pkg without a version"
  done < <(readelf -d "$bin" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
done
recommends=$(field Recommends)
grep -q pkexec <<<"$recommends" || fail "Recommends lacks pkexec (for Odinstaluj): '$recommends'"

# Only files below /usr; everything an install puts there; no maintainer scripts and no conffiles,
# so that removing the package removes its files and nothing else.
contents=$(dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
outside=$(grep -vE '^\./(usr/.*)?$' <<<"$contents")
[ -z "$outside" ] || fail "files outside /usr: $outside"
for f in "${programs[@]}" "${data_files[@]}"; do
  grep -qxF "./usr/$f" <<<"$contents" || fail "the package lacks /usr/$f"
done
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | sed '/^$/d' | sort)
for s in preinst postinst prerm postrm config conffiles; do
  grep -qx "$s" <<<"$control" && fail "the package has a $s"
done
# Stripped programs, as a package should carry them.
for p in kwerlo kwerlo-cli; do
  readelf -S "$tmp/root/usr/bin/$p" | grep -q '\.debug_info' && fail "$p is not stripped"
done

finish
