#!/usr/bin/env bash
# Builds the .deb, validates the desktop entry and the AppStream metainfo,
# unpacks the package into a staging folder, checks its dependencies and runs
# the staged programs once.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
desktop-file-validate packaging/com.velmoor.Quillory.desktop
appstreamcli validate --no-net build/release/packaging/com.velmoor.Quillory.metainfo.xml

cmake --build --preset release --target quillory quillory-cli quillory-ls
(cd build/release && cpack -G DEB >/dev/null)
deb=$(ls build/release/quillory_"$version"_*.deb)
echo "package: $deb"

info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
echo "depends: $depends"
for library in libqt6widgets6 libqt6dbus6 libqt6network6 libcurl4 libicu72 libmd4c0 libtomlplusplus3; do
  grep -q "\b$library\b" <<<"$depends" || { echo "FAIL: $library missing from Depends"; exit 1; }
done

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
dpkg-deb -x "$deb" "$staging"
for file in usr/bin/quillory usr/bin/quillory-cli usr/bin/quillory-ls \
    usr/share/applications/com.velmoor.Quillory.desktop \
    usr/share/metainfo/com.velmoor.Quillory.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/com.velmoor.Quillory.svg \
    usr/share/icons/hicolor/256x256/apps/com.velmoor.Quillory.png; do
  [ -e "$staging/$file" ] || { echo "FAIL: $file is not in the package"; exit 1; }
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
# On CI (a throwaway machine, as root) install and remove it for real.
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb" >/dev/null
  [ -f /usr/share/applications/com.velmoor.Quillory.desktop ] || { echo "FAIL: not installed"; exit 1; }
  /usr/bin/quillory --version | grep -qxF "quillory $version"
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quillory >/dev/null
  [ ! -e /usr/bin/quillory ] || { echo "FAIL: not removed"; exit 1; }
  echo "installed and removed the package"
fi
echo "package check passed"
