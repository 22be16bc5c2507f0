#!/usr/bin/env bash
# Installs the build into temporary prefixes and checks the installed tree: the files and where
# they lie, the desktop entry, the class file type, the icons, the manual pages, the installed
# programs, and the uninstall script.
# Usage: installed_tree_test.sh BUILD_DIR
set -u
build=$1
. "$(dirname "$0")/checks.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
example="share/kwerlo/Przykładowa klasa 2a.kwer"

# A prefix with a space in it: every path must be quoted on the way.
install_to() {
  rm -rf "$1"
  cmake --install "$build" --prefix "$1" >"$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log" >&2
    fail "cmake --install into $1"
    finish
  }
}
prefix="$tmp/Programy szkolne"
install_to "$prefix"

# ---- the files, where the programs expect them
for f in "${programs[@]}"; do
  [ -f "$prefix/$f" ] && [ -x "$prefix/$f" ] || fail "missing or not executable: $f"
done
for f in "${data_files[@]}"; do
  [ -f "$prefix/$f" ] && [ -s "$prefix/$f" ] || fail "missing or empty: $f"
done
# Nothing but the files above (and the MIME database built from them): uninstall.sh removes these
# by name, and a file it does not know would be left behind.
while IFS= read -r f; do
  rel=${f#"$prefix/"}
  case "$rel" in share/kwerlo/help/*|share/mime/*) continue ;; esac
  printf '%s\n' "${programs[@]}" "${data_files[@]}" | grep -qxF "$rel" || fail "unexpected file: $rel"
done < <(find "$prefix" -type f)

# ---- the installed programs run from the prefix, with nothing taken from the build tree
for p in kwerlo kwerlo-cli; do
  ldd_out=$(ldd "$prefix/bin/$p")
  grep -q "not found" <<<"$ldd_out" && fail "$p: a library is not found: $(grep 'not found' <<<"$ldd_out")"
  grep -qF "$build" <<<"$ldd_out" && fail "$p: uses a library of the build tree"
  readelf -d "$prefix/bin/$p" | grep -qE 'R(UN)?PATH' && fail "$p: keeps a run path"
done
dump=$("$prefix/bin/kwerlo-cli" dump "$prefix/$example") || fail "kwerlo-cli dump of the installed example class"
case "$dump" in '{"version":4000,'*) ;; *) fail "the example class dumps as: ${dump:0:60}" ;; esac

# ---- the desktop entry
desktop="$prefix/share/applications/kwerlo.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
# Hints are advice; errors and warnings are faults.
grep -E "error:|warning:" <<<"$out" && fail "desktop-file-validate reports problems"
key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
expect_eq "Type" "$(key Type)" "Application"
expect_eq "Exec" "$(key Exec)" "kwerlo %f"
expect_eq "Icon" "$(key Icon)" "kwerlo"
expect_eq "Terminal" "$(key Terminal)" "false"
[ -n "$(key Name)" ] || fail "no Name"
for c in Education Office; do
  tr ';' '\n' <<<"$(key Categories)" | grep -qx "$c" || fail "Categories lacks $c"
done
tr ';' '\n' <<<"$(key MimeType)" | grep -qx "$class_type" || fail "MimeType lacks $class_type"
# The program it starts is the one installed.
[ -x "$prefix/bin/$(key Exec | cut -d' ' -f1)" ] || fail "Exec names no installed program"

# ---- the class file type
mime="$prefix/share/mime/packages/kwerlo.xml"
xmllint --noout "$mime" || fail "the MIME XML is not well formed"
xp() { xmllint --xpath "string($1)" "$mime" 2>/dev/null; }
mt="//*[local-name()='mime-type']"
expect_eq "mime type" "$(xp "$mt/@type")" "$class_type"
expect_eq "glob" "$(xp "$mt/*[local-name()='glob']/@pattern")" "*.kwer"
match="$mt/*[local-name()='magic']/*[local-name()='match']"
expect_eq "magic type" "$(xp "$match/@type")" "string"
expect_eq "magic offset" "$(xp "$match/@offset")" "0"
magic=$(xp "$match/@value")
expect_eq "magic value" "$magic" "Kwerlo klasy"
expect_eq "the example class starts with the magic" "$(head -c ${#magic} "$prefix/$example")" "$magic"
[ -n "$(xp "$mt/*[local-name()='comment'][@xml:lang='pl']")" ] || fail "no Polish comment"

# What a file manager sees, from the database of this prefix alone.
[ -f "$prefix/share/mime/mime.cache" ] || fail "the install did not build the MIME database"
content_type() {
  XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$tmp/no-home" \
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
mkdir -p "$tmp/files"
cp "$prefix/$example" "$tmp/files/Klasa 3b.kwer"
cp "$prefix/$example" "$tmp/files/klasa bez rozszerzenia"
printf 'Lista uczniów\n' >"$tmp/files/lista.txt"
expect_eq "type by name" "$(content_type "$tmp/files/Klasa 3b.kwer")" "$class_type"
expect_eq "type by header" "$(content_type "$tmp/files/klasa bez rozszerzenia")" "$class_type"
[ "$(content_type "$tmp/files/lista.txt")" != "$class_type" ] || fail "a text file taken for a class"

# ---- the icons: the sizes their folders name, and a drawn picture
for size in 48 128; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/kwerlo.png"
  expect_eq "PNG signature ($size)" "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" "89504e470d0a1a0a"
  # IHDR: width and height as big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  expect_eq "icon ${size}x${size}" "${w}x${h}" "${size}x${size}"
  colours=$(identify -format '%k' "$png")
  [ "$colours" -gt 16 ] || fail "icon $size has only $colours colours"
done
svg="$prefix/share/icons/hicolor/scalable/apps/kwerlo.svg"
xmllint --noout "$svg" || fail "the SVG icon is not well formed"
expect_eq "SVG root" "$(xmllint --xpath 'local-name(/*)' "$svg")" "svg"

# ---- the manual pages: clean roff, and every command of the usage text documented
for page in kwerlo kwerlo-cli; do
  warnings=$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | groff -man -ww -z -K utf8 -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
cli_page=$(gzip -dc "$prefix/share/man/man1/kwerlo-cli.1.gz")
commands=$("$prefix/bin/kwerlo-cli" --help | awk '$1 == "kwerlo-cli" && $2 !~ /^-/ {print $2}' | sort -u)
[ -n "$commands" ] || fail "no commands in the usage text"
for c in $commands; do
  grep -qx ".B kwerlo-cli $c" <<<"$cli_page" || fail "kwerlo-cli.1 does not document '$c'"
done

# ---- the uninstall script: the program's files go, the classes stay
home="$tmp/home"
mkdir -p "$home/Dokumenty/Kwerlo/klasy"
home_class="$home/Dokumenty/Kwerlo/klasy/Klasa 1a.kwer"
cp "$prefix/$example" "$home_class"
home_sum=$(sha256sum <"$home_class")
for scenario in unchanged-example changed-example; do
  install_to "$prefix"
  cp "$prefix/$example" "$prefix/share/kwerlo/Moja klasa.kwer"
  keep=("share/kwerlo/Moja klasa.kwer")
  if [ "$scenario" = changed-example ]; then
    # The teacher worked in the example class and saved it where it lay.
    printf 'x' >>"$prefix/$example"
    keep+=("$example")
  fi
  HOME="$home" "$prefix/share/kwerlo/uninstall.sh" || fail "$scenario: uninstall.sh failed"
  left=$(cd "$prefix" && find . -type f ! -path './share/mime/*' | sed 's|^\./||' | sort)
  expect_eq "$scenario: files left" "$left" "$(printf '%s\n' "${keep[@]}" | sort)"
  [ -f "$prefix/share/mime/packages/kwerlo.xml" ] && fail "$scenario: the file type stays installed"
  grep -q 'kwer' "$prefix/share/mime/globs2" 2>/dev/null && fail "$scenario: the MIME database still knows *.kwer"
  expect_eq "$scenario: the class in the documents folder" "$(sha256sum <"$home_class" 2>&1)" "$home_sum"
done

# From the Debian package the package manager removes it; the script itself removes nothing.
# Stand-ins for the system's tools record how they were called.
install_to "$prefix"
stand_in() {  # stand_in DIR NAME: a tool that records its arguments
  printf '#!/bin/sh\necho "%s $*" >>"%s/called"\n' "$2" "$tmp" >"$1/$2"
  chmod +x "$1/$2"
}
for tools in "pkexec x-terminal-emulator" "x-terminal-emulator" ""; do
  bin="$tmp/bin-$(tr ' ' - <<<"${tools:-none}")"
  mkdir -p "$bin"
  ln -sf "$(command -v dirname)" "$(command -v basename)" "$bin/"
  printf '#!/bin/sh\necho "kwerlo: $2"\n' >"$bin/dpkg-query"
  chmod +x "$bin/dpkg-query"
  for t in $tools; do stand_in "$bin" "$t"; done
  rm -f "$tmp/called"
  msg=$(PATH="$bin" "$prefix/share/kwerlo/uninstall.sh" 2>&1)
  rc=$?
  called=$(cat "$tmp/called" 2>/dev/null)
  case "$tools" in
    pkexec*) expect_eq "with pkexec" "$called" "pkexec /usr/bin/dpkg --remove kwerlo" ;;
    x-terminal-emulator) expect_eq "with a terminal" "$called" "x-terminal-emulator -e sudo /usr/bin/dpkg --remove kwerlo" ;;
    "")
      expect_eq "with neither: exit status" "$rc" "1"
      grep -q "apt remove kwerlo" <<<"$msg" || fail "with neither: no advice, got '$msg'"
      ;;
  esac
  for f in "${programs[@]}" "${data_files[@]}"; do
    [ -f "$prefix/$f" ] || fail "package install (${tools:-no tools}): the script removed $f"
  done
done

finish
