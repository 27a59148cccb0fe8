#!/usr/bin/env bash
# usage: check_install.sh BUILD_DIR SOURCE_DIR
# Installs the build tree into a scratch DESTDIR under a prefix that is not /usr, then checks the
# installed files, validates the desktop entry, the AppStream metainfo, the MIME type and the
# manual pages, and runs the installed korvane-cli on the installed example.
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

DESTDIR="$scratch/root" cmake --install "$build" --prefix /opt/korvane >/dev/null
root="$scratch/root/opt/korvane"
id=org.korvane.Korvane

expected=(
    bin/korvane bin/korvane-cli
    share/korvane/Daten1.dat share/korvane/normal.auf share/korvane/beispiel.auf
    share/korvane/hb508.rtr share/korvane/hb508.bak share/korvane/urkunde.rtf
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" "share/mime/packages/$id.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/korvane.1.gz share/man/man1/korvane-cli.1.gz
)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the list above (< missing, > not expected)"

# The pairing data is installed as checked in; the core tests pin the checked-in file.
cmp "$root/share/korvane/Daten1.dat" "$source/data/Daten1.dat" || fail "installed Daten1.dat differs"
for size in "${sizes[@]}"; do
    # width and height of a PNG are the big-endian words at bytes 16 and 20
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$root/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ "$width $height" == "$size $size" ]] || fail "icon ${size}x${size} is ${width}x${height}"
done

desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$root/share/metainfo/$id.metainfo.xml"
xmllint --noout "$root/share/mime/packages/$id.xml"
mkdir -p "$scratch/mime/packages"
cp "$root/share/mime/packages/$id.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" 2>/dev/null
grep -qx 'application/x-korvane-tournament:\*\.auf' <(cut -d: -f2- "$scratch/mime/globs2") ||
    fail "the MIME database has no glob *.auf"
grep -qx 'MimeType=application/x-korvane-tournament;' "$root/share/applications/$id.desktop" ||
    fail "the desktop entry does not open the MIME type"
for page in korvane korvane-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "manual page $page: $warnings"
done

# The installed programs find the pairing data in ../share/korvane.
export KORVANE_WORKDIR="$scratch/work"
"$root/bin/korvane-cli" --version | grep -qx "korvane-cli [0-9.]*" || fail "korvane-cli --version"
"$root/bin/korvane" --version | grep -qx "korvane [0-9.]*" || fail "korvane --version"
info=$("$root/bin/korvane-cli" info "$root/share/korvane/beispiel.auf")
grep -q '^Spiele: 44$' <<<"$info" || fail "korvane-cli info: $info"
"$root/bin/korvane-cli" tables "$root/share/korvane/beispiel.auf" --format txt >/dev/null ||
    fail "korvane-cli tables found no pairing data"
echo "installed layout under /opt/korvane: ${#expected[@]} files, validators and installed client passed"
