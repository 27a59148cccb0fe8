#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any of them is missing.
# Runs as root or through sudo; does nothing when everything is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # Qt's own dialogs and menus in German
    qt6-translations-l10n
    # The live server; Qt HttpServer's CMake package asks for WebSockets' without depending on it.
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
    # The live server's browser test.
    chromium chromium-driver python3-selenium
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth
    poppler-utils ccache
    # the tests open printouts, certificates and game lists as the organisers do
    libreoffice-writer-nogui
    # manual pages, the Debian package and the checks of the installed program
    help2man dpkg-dev lintian man-db
    desktop-file-utils appstream libxml2-utils shared-mime-info
    libglib2.0-bin xdotool x11-utils
    clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
