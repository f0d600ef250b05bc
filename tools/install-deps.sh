#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Quillory need,
# asking apt only for those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang clang-format clang-tidy libclang-rt-14-dev
  libicu-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libcurl4-openssl-dev libmd4c-dev libtomlplusplus-dev libcli11-dev
  xvfb xauth xdotool trayer x11-utils desktop-file-utils appstream dpkg-dev
  fonts-noto-color-emoji neovim emacs-nox elpa-eglot elpa-markdown-mode debootstrap pre-commit
  python3-yaml git dbus-daemon
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
