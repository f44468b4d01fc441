#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Idempotent: packages already present are not fetched again.
#   tools/install-deps.sh          everything (development, tests, CI)
#   tools/install-deps.sh build    only what building the package needs
set -euo pipefail

# What tools/make-deb.sh needs: the compiler, Qt, the header libraries
# and dpkg's packaging tools.
packages=(
  cmake g++ ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev
  nlohmann-json3-dev libcli11-dev
  dpkg-dev file git
  libgl-dev libxkbcommon-dev
)
if [ "${1:-}" != build ]; then
  packages+=(
    make pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    clang clang-format libclang-rt-dev
    libxcb1-dev libxcb-damage0-dev
    libqt6svg6 qt6-qpa-plugins qt6-translations-l10n
    desktop-file-utils appstream lintian fakeroot librsvg2-bin man-db
    devscripts xdg-utils libfile-mimeinfo-perl shared-mime-info
    xvfb xauth x11-utils xdotool imagemagick poppler-utils openbox
    fonts-dejavu-core fonts-liberation
    fonts-osifont python3-ezdxf
    python3
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run as root, or install them with apt-get." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
