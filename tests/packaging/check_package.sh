#!/usr/bin/env bash
# Installs the program with `cmake --install` into a scratch prefix, builds the Debian
# package and unpacks it into a scratch root, and checks what each lays out, and that
# lintian finds nothing wrong with the package.
#   check_package.sh BUILD_DIR PROGRAM APP_ID ICON_SIZE...
set -euo pipefail
build=$(cd "$1" && pwd)
program_name=$2
app=$3
icon_sizes=("${@:4}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
laid_out() {  # laid_out ROOT: the files every installation must have
  local root=$1
  check "$root: the program" test -x "$root/bin/$program_name"
  check "$root: the menu entry" test -f "$root/share/applications/$app.desktop"
  check "$root: the AppStream metainfo" test -f "$root/share/metainfo/$app.metainfo.xml"
  for size in "${icon_sizes[@]}"; do
    check "$root: the ${size}px icon" test -f "$root/share/icons/hicolor/${size}x${size}/apps/$app.png"
  done
  check "$root: menu entry valid" desktop-file-validate "$root/share/applications/$app.desktop"
  check "$root: metainfo valid" appstreamcli validate --no-net --pedantic \
    "$root/share/metainfo/$app.metainfo.xml"
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
laid_out "$work/prefix"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -x "$deb" "$work/root"
laid_out "$work/root/usr"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
depended=$(tr ',' '\n' <<<"$depends" | awk '{ print $1 }')
# Each library the program links, by the package that holds it here (whose name changes
# from one Debian release to the next), and what Qt loads at run time.
program="$work/root/usr/bin/$program_name"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for library in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
  package=$(dpkg-query -S "*/$multiarch/$library" | head -n 1 | cut -d: -f1)
  check "depends on $package, for $library" grep -q -x -F "$package" <<<"$depended"
done
for package in qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
  check "depends on $package" grep -q -x -F "$package" <<<"$depended"
done
tags=$(lintian --fail-on none "$deb" 2>/dev/null)
[ -z "$tags" ] || echo "$tags"
clean() { ! grep -q '^[EW]: ' <<<"$tags"; }
check "lintian finds no error and no warning" clean
# Hardened as Debian's own programs. Control-flow protection only where the system's start
# files have it, as a program linked with them can have it only then (Debian 12's and 13's do
# not). Branch protection is arm64's (BTI and PAC), which Debian 13's hardening-check asks of
# every architecture, even of its own /usr/bin/ls on amd64.
not_required=()
readelf -n "/usr/lib/$multiarch/Scrt1.o" | grep -q 'IBT' || not_required+=(--nocfprotection)
options=$(hardening-check --help 2>&1 || true)
if [ "$(dpkg-architecture -qDEB_HOST_ARCH)" != arm64 ] &&
  grep -q -e '--nobranchprotection' <<<"$options"; then
  not_required+=(--nobranchprotection)
fi
check "the packaged program is hardened (hardening-check ${not_required[*]})" \
  hardening-check --quiet "${not_required[@]}" "$program"
check "the packaged program has no search path of its own" \
  bash -c "! readelf -d '$program' | grep -q -E 'RPATH|RUNPATH'"
check "the packaged program finds all its libraries" \
  bash -c "! ldd '$program' | grep -q 'not found'"

[ "$failures" -eq 0 ] && echo "0 failed" || { echo "$failures failed"; exit 1; }
