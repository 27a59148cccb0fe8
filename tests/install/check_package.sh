#!/usr/bin/env bash
# usage: check_package.sh PACKAGE.deb
# Unpacks the Debian package into a scratch folder and runs the unpacked programs from there:
# korvane-cli --version and info on the installed example, and the menu entry on a tournament
# under a virtual X display (open_from_menu.sh). Lintian's findings are printed, never fatal.
set -euo pipefail
package=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

echo "== $(basename "$package"): $(du -k "$package" | cut -f1) KiB"
dpkg-deb --field "$package" Package Version Installed-Size Depends
depends=$(dpkg-deb --field "$package" Depends)
for library in libqt6core6 libqt6widgets6 qt6-qpa-plugins; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library"
done

dpkg-deb -x "$package" "$scratch/root"
usr="$scratch/root/usr"
export KORVANE_WORKDIR="$scratch/work"
"$usr/bin/korvane-cli" --version
info=$("$usr/bin/korvane-cli" info "$usr/share/korvane/beispiel.auf")
grep -q '^Spiele: 44$' <<<"$info" || fail "the unpacked korvane-cli info: $info"

# The menu entry opens a double-clicked tournament whose path has blanks and umlauts.
folder="$scratch/Turniere 2026"
mkdir -p "$folder"
cp "$usr/share/korvane/beispiel.auf" "$folder/Pfingsten Grün.auf"
env -u QT_QPA_PLATFORM xvfb-run -a "$(dirname "$0")/open_from_menu.sh" \
    "$usr/share/applications/org.korvane.Korvane.desktop" "$usr/bin" "$folder/Pfingsten Grün.auf"

if command -v lintian >/dev/null; then
    echo "== lintian"
    lintian --tag-display-limit 0 "$package" || true
fi
