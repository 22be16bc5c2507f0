#!/bin/sh
# Removes an installed Kwerlo: the program files in the folder this script lies in. The classes
# (in the documents folder's Kwerlo/klasy) and any other file are left alone.
dir=$(cd "$(dirname "$0")" && pwd)
for f in kwerlo kwerlo-cli "Przykładowa klasa 2a.kwer"; do
  [ -f "$dir/$f" ] && rm -f "$dir/$f"
done
[ -d "$dir/help" ] && rm -rf "$dir/help"
rm -f "$dir/uninstall.sh"
rmdir "$dir" 2>/dev/null || true
