# Shared by the install and package tests: what an install puts below its prefix, and a way to
# report every failed check before the test ends.

# Relative to the prefix (/usr for the package).
programs=(bin/kwerlo bin/kwerlo-cli share/kwerlo/uninstall.sh)
data_files=(
  share/kwerlo/help/flash/main_menu.htm
  share/kwerlo/help/szk_faq.htm
  "share/kwerlo/Przykładowa klasa 2a.kwer"
  share/kwerlo/example.sha256
  share/applications/kwerlo.desktop
  share/icons/hicolor/scalable/apps/kwerlo.svg
  share/icons/hicolor/48x48/apps/kwerlo.png
  share/icons/hicolor/128x128/apps/kwerlo.png
  share/mime/packages/kwerlo.xml
  share/man/man1/kwerlo.1.gz
  share/man/man1/kwerlo-cli.1.gz
)
class_type=application/x-kwerlo

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# expect_eq WHAT ACTUAL EXPECTED
expect_eq() {
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}
finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
