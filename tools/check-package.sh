#!/usr/bin/env bash
# Builds the two .debs (quillory-cli: the command line and the language server;
# quillory: the window), validates the desktop entry and the AppStream
# metainfo, unpacks the packages into a staging folder, checks their
# dependencies and runs the staged programs once.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
desktop-file-validate packaging/com.velmoor.Quillory.desktop
appstreamcli validate --no-net build/release/packaging/com.velmoor.Quillory.metainfo.xml

cmake --build --preset release --target quillory quillory-cli quillory-ls
rm -f build/release/quillory*.deb
(cd build/release && cpack -G DEB >/dev/null)
cli_deb=$(ls build/release/quillory-cli_"$version"-*_*.deb)
app_deb=$(ls build/release/quillory_"$version"-*_*.deb)
debian_version=$(dpkg-deb -f "$cli_deb" Version)
echo "packages: $cli_deb $app_deb"

# quillory-cli goes into CI images: the C and C++ runtime and md4c, nothing else.
cli_depends=$(dpkg-deb -f "$cli_deb" Depends)
echo "quillory-cli depends: $cli_depends"
for library in $(sed 's/ ([^)]*)//g; s/,/ /g' <<<"$cli_depends"); do
  case "$library" in
    libc6 | libgcc-s1 | libstdc++6 | libmd4c0) ;;
    *) echo "FAIL: quillory-cli depends on $library"; exit 1 ;;
  esac
done
grep -q "quillory (<< $debian_version)" <<<"$(dpkg-deb -f "$cli_deb" Replaces)" ||
  { echo "FAIL: quillory-cli does not replace the earlier quillory"; exit 1; }

app_depends=$(dpkg-deb -f "$app_deb" Depends)
echo "quillory depends: $app_depends"
for library in "quillory-cli (= $debian_version)" libqt6widgets6 libqt6dbus6 libqt6network6 libcurl4; do
  grep -qF "$library" <<<"$app_depends" || { echo "FAIL: $library missing from Depends"; exit 1; }
done
for library in libicu72 libtomlplusplus3; do
  ! grep -q "\b$library\b" <<<"$app_depends" || { echo "FAIL: quillory depends on $library"; exit 1; }
done

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
dpkg-deb -x "$cli_deb" "$staging"
dpkg-deb -x "$app_deb" "$staging"
[ "$(dpkg-deb -c "$cli_deb" | awk '{print $6}' | grep -c '^\./usr/bin/.')" -eq 2 ] ||
  { echo "FAIL: quillory-cli holds more than its two programs"; exit 1; }
for file in usr/bin/quillory usr/bin/quillory-cli usr/bin/quillory-ls \
    usr/share/applications/com.velmoor.Quillory.desktop \
    usr/share/metainfo/com.velmoor.Quillory.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/com.velmoor.Quillory.svg \
    usr/share/icons/hicolor/256x256/apps/com.velmoor.Quillory.png; do
  [ -e "$staging/$file" ] || { echo "FAIL: $file is not in the packages"; exit 1; }
done

"$staging/usr/bin/quillory-cli" --format json tools/sample.txt | grep -q '"wordCount":59'
# Markdown through md4c: only the prose is counted, the code is not.
printf '# Title\n\nOne two three.\n\n```\nnot prose\n```\n' >"$staging/page.md"
"$staging/usr/bin/quillory-cli" --max-grade 99 "$staging/page.md" | grep -q ': 4 words, '
"$staging/usr/bin/quillory" --version | grep -qxF "quillory $version"
"$staging/usr/bin/quillory-ls" --version | grep -qxF "quillory-ls $version"

# The staged application starts offscreen (no tray, so it opens its window)
# and writes its first-run preferences.
home="$staging/home"
mkdir -p "$home/config" "$home/runtime"
chmod 700 "$home/runtime"
echo '{"screens": [{"name": "main", "width": 1440, "height": 900}]}' >"$home/screens.json"
set +e
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
  DBUS_SESSION_BUS_ADDRESS= QT_QPA_PLATFORM="offscreen:configfile=$home/screens.json" \
  timeout 5 "$staging/usr/bin/quillory" >"$home/log" 2>&1
status=$?
set -e
[ "$status" -eq 124 ] || { echo "FAIL: the staged application ended with $status"; cat "$home/log"; exit 1; }
grep -q '^Locale=' "$home/config/com.velmoor/Quillory.conf" ||
  { echo "FAIL: no first-run preferences"; exit 1; }

# On CI (a throwaway machine, as root) install for real, as an upgrade from the
# single package that held every program, then remove.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  # A failed check must not leave the packages installed for the next run.
  trap 'dpkg --purge quillory quillory-cli >/dev/null 2>&1 || true; rm -rf "$staging"' EXIT
  old="$staging/old"
  mkdir -p "$old/DEBIAN" "$old/usr/bin"
  printf 'Package: quillory\nVersion: %s-1\nArchitecture: all\nMaintainer: test\nDescription: every program in one package\n' \
    "$version" >"$old/DEBIAN/control"
  for program in quillory quillory-cli quillory-ls; do
    printf '#!/bin/sh\necho old\n' >"$old/usr/bin/$program"
    chmod 755 "$old/usr/bin/$program"
  done
  dpkg-deb --root-owner-group -b "$old" "$staging/old.deb" >/dev/null
  dpkg -i "$staging/old.deb" >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$cli_deb" "./$app_deb" >/dev/null
  [ -f /usr/share/applications/com.velmoor.Quillory.desktop ] || { echo "FAIL: not installed"; exit 1; }
  /usr/bin/quillory --version | grep -qxF "quillory $version"
  /usr/bin/quillory-cli --version | grep -qxF "quillory-cli $version" ||
    { echo "FAIL: the upgrade lost quillory-cli"; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quillory >/dev/null
  [ ! -e /usr/bin/quillory ] || { echo "FAIL: not removed"; exit 1; }
  [ -x /usr/bin/quillory-cli ] || { echo "FAIL: removing the window removed quillory-cli"; exit 1; }
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quillory-cli >/dev/null
  [ ! -e /usr/bin/quillory-cli ] || { echo "FAIL: quillory-cli not removed"; exit 1; }
  echo "upgraded from one package to two, and removed them"
fi
echo "package check passed"
