#!/usr/bin/env bash
# Installs the .msi under Wine for the user, as Windows Installer does with no
# administrator, then uninstalls it: the program, its Start menu entry and its entry in
# the installed programs come, then go.
#   install_test.sh MORVANE101.msi PROGRAM.exe VERSION
set -uo pipefail

msi=$(winepath -w "$1")
built=$2
version=$3
users="$WINEPREFIX/drive_c/users"
failures=0
expect() {  # expect DESCRIPTION COMMAND...
  local what=$1
  shift
  if ! "$@"; then
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}
installed() { find "$users" -path "*/AppData/Local/Programs/Morvane 101/morvane101.exe"; }
shortcut() { find "$users" -path "*/Start Menu/Programs/Morvane 101.lnk"; }
product() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A30 'DisplayName    REG_SZ    Morvane 101$'
}

expect "msiexec /i succeeds" wine msiexec /i "$msi" /qn
expect "the program is installed for the user" test -n "$(installed)"
expect "the installed program is the one built" cmp -s "$(installed)" "$built"
expect "the Start menu has Morvane 101" test -n "$(shortcut)"
expect "the installed programs list it with its version" \
  grep -qF "DisplayVersion    REG_SZ    $version" <<<"$(product)"
expect "its icon is kept for the installed programs" \
  test -n "$(find "$users" -path '*/Microsoft/Installer/*/morvane101.ico')"

expect "msiexec /x succeeds" wine msiexec /x "$msi" /qn
expect "the program is gone" test -z "$(installed)"
expect "its folder is gone" test -z "$(find "$users" -name 'Morvane 101' -type d)"
expect "the Start menu entry is gone" test -z "$(shortcut)"
expect "the installed programs no longer list it" test -z "$(product)"
expect "nothing is left in the user's registry" \
  bash -c "! wine reg query 'HKCU\\Software\\Morvane' >/dev/null 2>&1"

echo "$failures failed"
[ "$failures" -eq 0 ]
