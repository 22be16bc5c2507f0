#!/bin/sh
# Removes an installed Kwerlo: the programs and the files installed with them. Classes are never
# touched, wherever the teacher saved them: the example class goes only while it is unchanged.
set -u
here=$(cd "$(dirname "$0")" && pwd -P)
me="$here/$(basename "$0")"

# From the Debian package: the package manager removes it, after the administrator's password.
if dpkg-query --search "$me" >/dev/null 2>&1; then
  # Not exec: pkexec serves only a living parent, and the program closes at once.
  if command -v pkexec >/dev/null 2>&1; then
    pkexec /usr/bin/dpkg --remove kwerlo
    exit
  fi
  if command -v x-terminal-emulator >/dev/null 2>&1; then
    exec x-terminal-emulator -e sudo /usr/bin/dpkg --remove kwerlo
  fi
  echo "Kwerlo is installed as a Debian package: remove it with 'sudo apt remove kwerlo'." >&2
  exit 1
fi

# From `cmake --install`: this script lies in PREFIX/share/kwerlo.
case "$here" in
  */share/kwerlo) prefix=${here%/share/kwerlo} ;;
  *) echo "$here is not an installed Kwerlo; nothing removed." >&2; exit 1 ;;
esac

example="Przykładowa klasa 2a.kwer"
if (cd "$here" && sha256sum --check --status example.sha256) 2>/dev/null; then
  rm -f "$here/$example"
fi
rm -rf "$here/help"
rm -f "$here/example.sha256" "$me"
rmdir "$here" 2>/dev/null

for f in bin/kwerlo bin/kwerlo-cli \
         share/applications/kwerlo.desktop \
         share/icons/hicolor/scalable/apps/kwerlo.svg \
         share/icons/hicolor/48x48/apps/kwerlo.png \
         share/icons/hicolor/128x128/apps/kwerlo.png \
         share/man/man1/kwerlo.1.gz share/man/man1/kwerlo-cli.1.gz \
         share/mime/packages/kwerlo.xml; do
  rm -f "$prefix/$f"
done

# Rebuilt without the class file type, so that it is no longer offered.
if command -v update-mime-database >/dev/null 2>&1 && [ -d "$prefix/share/mime/packages" ]; then
  update-mime-database "$prefix/share/mime"
fi
exit 0
