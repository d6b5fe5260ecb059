#!/usr/bin/env bash
# The Debian package's whole life as Debian's piuparts checks it, in a fresh chroot of
# this machine's Debian release (or of the one named): this version installed and purged;
# then an older version installed from a repository, upgraded to this one, removed and
# purged. Nothing may be left behind, and no file owned by no package. It needs root, for
# the chroot (exit 77, skipped, without).
#   piuparts_cycle.sh BUILD_DIR [DISTRIBUTION]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "piuparts builds a chroot, which needs root: skipped."
  exit 77
fi
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
distribution=${2:-$(. /etc/os-release && echo "$VERSION_CODENAME")}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# The same package under a version just below this one, in a repository of its own.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/repo" \
  -D "CPACK_PACKAGE_VERSION=$version~older" >/dev/null)
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/new" >/dev/null)
rm -rf "$work/repo/_CPack_Packages"
(cd "$work/repo" && dpkg-scanpackages --multiversion . >Packages 2>/dev/null)

# Debian 13's debconf leaves its folder tmp.ci behind, which its own piuparts ignores and
# Debian 12's does not know of.
piuparts --distribution="$distribution" --bindmount="$work/repo" \
  --ignore=/var/cache/debconf/tmp.ci/ \
  --extra-repo="deb [trusted=yes] file://$work/repo ./" \
  "$work/new/morvane101_${version}_amd64.deb"
