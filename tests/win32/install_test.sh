#!/usr/bin/env bash
# Installs the .msi under Wine for the user, as Windows Installer does with no
# administrator, then a newer version over it, then uninstalls: the program, its Start
# menu entry and its one entry in the installed programs come, are replaced, then go.
# The installer made again elsewhere, at another time, is the same file.
#   install_test.sh MORVANE101.msi PROGRAM.exe VERSION ICON.ico MAKE_MSI.cmake TITLE
set -uo pipefail

built_msi=$1
built=$2
version=$3
icon=$4
make_msi_script=$5
title=$6
newer=${version%.*}.$((${version##*.} + 1))
users="$WINEPREFIX/drive_c/users"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {  # expect DESCRIPTION COMMAND...
  local what=$1
  shift
  if ! "$@"; then
    echo "FAIL: $what"
    failures=$((failures + 1))
  fi
}
make_msi() {  # make_msi VERSION OUTPUT [PROGRAM]
  TZ=Pacific/Auckland cmake -DPROGRAM="${3:-$built}" -DICON="$icon" -DVERSION="$1" \
    -DTITLE="$title" -DOUTPUT="$2" -P "$make_msi_script" >/dev/null
}
package_code() { msiinfo suminfo "$1" | sed -n 's/^Revision number (UUID): //p'; }
installed() { find "$users" -path "*/AppData/Local/Programs/Morvane 101/morvane101.exe"; }
shortcut() { find "$users" -path "*/Start Menu/Programs/Morvane 101.lnk"; }
entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
    tr -d '\r' | grep -A30 'DisplayName    REG_SZ    Morvane 101$'
}
listed_versions() { grep -o 'DisplayVersion    REG_SZ    .*' <<<"$(entries)" | awk '{ print $3 }'; }

make_msi "$version" "$work/again/morvane101-$version.msi"
expect "the installer made again elsewhere is the same file" \
  cmp -s "$built_msi" "$work/again/morvane101-$version.msi"
make_msi "$newer" "$work/newer/morvane101-$newer.msi"
# The same version of other bytes is another package, which Windows Installer installs.
{ cat "$built"; printf 'other'; } >"$work/other.exe"
make_msi "$version" "$work/other/morvane101-$version.msi" "$work/other.exe"
expect "another program of the same version makes another package" \
  test "$(package_code "$built_msi")" != "$(package_code "$work/other/morvane101-$version.msi")"
expect "the package's summary is in French" \
  bash -c "msiinfo suminfo '$built_msi' | grep -q -x 'Template: x64;1036'"
expect "the program's file carries its version and language" \
  test "$(msiinfo export "$built_msi" File | awk -F'\t' '$1 == "morvane101.exe" { print $5, $6 }')" \
  = "$version.0 1036"

expect "msiexec /i succeeds" wine msiexec /i "$(winepath -w "$built_msi")" /qn
expect "the program is installed for the user" test -n "$(installed)"
expect "the installed program is the one built" cmp -s "$(installed)" "$built"
expect "the Start menu has Morvane 101" test -n "$(shortcut)"
expect "the installed programs list it with its version" test "$(listed_versions)" = "$version"
expect "its icon is kept for the installed programs" \
  test -n "$(find "$users" -path '*/Microsoft/Installer/*/morvane101.ico')"

newer_msi=$(winepath -w "$work/newer/morvane101-$newer.msi")
expect "msiexec /i of $newer over $version succeeds" wine msiexec /i "$newer_msi" /qn
expect "the installed programs list the newer version alone" test "$(listed_versions)" = "$newer"
expect "the program is still installed" cmp -s "$(installed)" "$built"
expect "the Start menu still has Morvane 101" test -n "$(shortcut)"

expect "msiexec /x succeeds" wine msiexec /x "$newer_msi" /qn
expect "the program is gone" test -z "$(installed)"
expect "its folder is gone" test -z "$(find "$users" -name 'Morvane 101' -type d)"
expect "the Start menu entry is gone" test -z "$(shortcut)"
expect "the installed programs no longer list it" test -z "$(entries)"
expect "nothing is left in the user's registry" \
  bash -c "! wine reg query 'HKCU\\Software\\Morvane' >/dev/null 2>&1"

echo "$failures failed"
[ "$failures" -eq 0 ]
