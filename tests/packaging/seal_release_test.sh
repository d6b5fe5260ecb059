#!/usr/bin/env bash
# A release folder sealed as scripts/release seals it: SHA256SUMS checks and never lists
# itself; signed with a key made for the test, the signature verifies, and no longer does
# once SHA256SUMS is changed; with no key the release says it is unsigned.
#   seal_release_test.sh SEAL_RELEASE_SCRIPT
set -euo pipefail
seal=$1
work=$(mktemp -d)
trap 'gpgconf --homedir "$work/gnupg" --kill all 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work/dist/winget/manifests"
printf 'un\n' >"$work/dist/morvane101.exe"
printf 'deux\n' >"$work/dist/winget/manifests/morvane101.yaml"
printf 'trois et quatre\n' >"$work/dist/morvane101 notes.md"

unsigned=$(env -u MORVANE_SIGNING_KEY "$seal" "$work/dist" 2>&1)
[[ $unsigned == *"unsigned"* ]] || fail "an unsigned release does not say so: $unsigned"
(cd "$work/dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check"
[ "$(wc -l <"$work/dist/SHA256SUMS")" -eq 3 ] || fail "SHA256SUMS lists other than the 3 files"
! grep -q ' SHA256SUMS' "$work/dist/SHA256SUMS" || fail "SHA256SUMS lists itself"

export GNUPGHOME=$work/gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-generate-key 'Test <test@example.org>' ed25519 sign 1d
key=$(gpg --batch --with-colons --list-secret-keys | awk -F: '$1 == "fpr" { print $10; exit }')
MORVANE_SIGNING_KEY=$key "$seal" "$work/dist" >/dev/null 2>&1
! grep -q 'SHA256SUMS' "$work/dist/SHA256SUMS" || fail "SHA256SUMS lists itself or its signature"
gpg --batch --quiet --verify "$work/dist/SHA256SUMS.asc" "$work/dist/SHA256SUMS" 2>/dev/null ||
  fail "the signature does not verify"
printf '%064d  morvane101.exe\n' 0 >>"$work/dist/SHA256SUMS"
! gpg --batch --quiet --verify "$work/dist/SHA256SUMS.asc" "$work/dist/SHA256SUMS" 2>/dev/null ||
  fail "a changed SHA256SUMS still verifies"
echo "PASS"
