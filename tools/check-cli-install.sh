#!/usr/bin/env bash
# Installs the quillory-cli package into a bare Debian 12 (debootstrap minbase)
# and checks documents there: the install must pull at most three packages
# besides it and no Qt, and the installed program must print what the build
# tree's program prints. Needs root and the Debian archive
# ($QUILLORY_DEBIAN_MIRROR, default http://deb.debian.org/debian).
#   tools/check-cli-install.sh DEB BUILT_QUILLORY_CLI
set -euo pipefail
deb=$(realpath "$1")
built_cli=$(realpath "$2")
cd "$(dirname "$0")/.."
mirror=${QUILLORY_DEBIAN_MIRROR:-http://deb.debian.org/debian}
if [ "$(id -u)" -ne 0 ]; then
  echo "check-cli-install: needs root (debootstrap and chroot); not run"
  exit 0
fi
command -v debootstrap >/dev/null || { echo "FAIL: debootstrap is not installed"; exit 1; }

root=$(mktemp -d "${TMPDIR:-/tmp}/quillory-debootstrap.XXXXXX")
# Never across a mount point, should debootstrap stop with /proc mounted inside.
trap 'rm -rf --one-file-system "$root" "$root.log"' EXIT
chmod 755 "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log"; echo "FAIL: debootstrap"; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
chroot "$root" apt-get update -qq

installed() { chroot "$root" dpkg-query -W -f '${Package}\n' | sort; }
installed >"$root/tmp/before"
cp "$deb" "$root/tmp/"
DEBIAN_FRONTEND=noninteractive chroot "$root" \
  apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "/tmp/$(basename "$deb")" >/dev/null 2>&1 ||
  { echo "FAIL: apt-get install of $(basename "$deb") in the bare system"; exit 1; }
installed >"$root/tmp/after"
added=$(comm -13 "$root/tmp/before" "$root/tmp/after" | grep -vx quillory-cli || true)
echo "the install added: $(tr '\n' ' ' <<<"$added")"
[ "$(grep -c . <<<"$added")" -le 3 ] || { echo "FAIL: more than three packages besides quillory-cli"; exit 1; }
! grep -qi 'qt' <<<"$added" || { echo "FAIL: the install pulled Qt"; exit 1; }

# A small docs tree with a configuration, checked as CI checks it.
docs="$root/tmp/docs"
mkdir -p "$docs/guide"
cp tools/sample.txt "$docs/notes.txt"
printf 'max-grade = 8\nmax-sentence-words = 12\nper = "section"\n' >"$docs/.quillory.toml"
printf '# Install\n\nRun the installer, then open the settings page and choose the folder where your documents will be kept from now on.\n\n## Use\n\nType. Read the marks.\n' \
  >"$docs/guide/start.md"
check() { (cd "$1" && "$2" --format json . ; echo "exit $?"); }
expected=$(check "$docs" "$built_cli")
actual=$(chroot "$root" bash -c 'cd /tmp/docs && quillory-cli --format json . ; echo "exit $?"')
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  echo "FAIL: the installed quillory-cli differs from the build tree's"
  exit 1
fi
chroot "$root" quillory-ls --version >/dev/null
echo "quillory-cli installs into a bare Debian 12 and checks documents as the build tree does"
