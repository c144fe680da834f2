#!/bin/sh
# Installs a build into a staging directory (DESTDIR) and checks what a desktop
# and the Debian package rely on: exactly the expected files (no tests,
# benchmarks or libraries), icons of the right sizes, a desktop entry and
# metainfo that their validators accept, and programs that run from there.
# Argument: the build directory.
set -eu

build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
id=com.zaren800.Configurator
icon=zaren800-configurator
mime=application/x-zaren800-project

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expected="bin/zaren800-cfg
bin/zaren800-configurator
share/applications/$id.desktop
share/doc/zaren800-configurator/changelog.gz
share/doc/zaren800-configurator/copyright
share/icons/hicolor/256x256/apps/$icon.png
share/icons/hicolor/48x48/apps/$icon.png
share/icons/hicolor/scalable/apps/$icon.svg
share/man/man1/zaren800-cfg.1.gz
share/man/man1/zaren800-configurator.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/zaren800-configurator.xml"
actual=$(cd "$stage" && find . ! -type d | sed 's#^\./usr/##' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed files differ:
$actual"

# Width and height from the PNG header.
for size in 48 256; do
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$root/share/icons/hicolor/${size}x$size/apps/$icon.png" | tr -s ' ')
    [ "$dims" = " $size $size" ] || fail "${size}px icon is$dims"
done

desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop entry"
grep -qx "Exec=zaren800-configurator %f" "$desktop" || fail "desktop entry Exec"
grep -qx "MimeType=$mime;" "$desktop" || fail "desktop entry MimeType"
grep -qx "Icon=$icon" "$desktop" || fail "desktop entry Icon"

metainfo=$root/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "metainfo: $(appstreamcli validate --no-net "$metainfo")"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q "<image>[^<]*home.png</image>" "$metainfo" || fail "metainfo screenshot"
grep -q "<mediatype>$mime</mediatype>" "$metainfo" || fail "metainfo media type"

# The installed tool runs, and the metainfo lists its version as a release.
version=$("$root/bin/zaren800-cfg" --version) || fail "zaren800-cfg --version"
grep -q "<release version=\"${version#zaren800-cfg v}\"" "$metainfo" || fail "no release $version in the metainfo"
QT_QPA_PLATFORM=offscreen timeout 3 "$root/bin/zaren800-configurator" && fail "the configurator ended by itself"
[ $? -eq 124 ] || fail "the configurator did not start"

# A project file that the tool packs is of the program's type, for a desktop
# whose MIME database was built from the staged files only. pack takes only a
# complete document: every member, every type an array.
types='"AirConditioner": [], "DNDMUR": [], "DigitalIO": [], "EnergySaving": [], "Lighting": [],
    "Logic": [], "MasterOff": [], "Shutter": [], "VoltageInput": [], "Welcome": []'
echo "{$types, \"CreateTime\": \"09-12-2026 12:00:00\", \"PlatformType\": \"MV211\",
    \"Version\": \"${version#zaren800-cfg }\"}" >"$stage/site.json"
"$root/bin/zaren800-cfg" pack "$stage/site.json" -o "$stage/site.rccfg" >/dev/null || fail "pack"
XDG_DATA_DIRS="$root/share" update-mime-database "$root/share/mime" || fail "MIME package"
type=$(env -i PATH="$PATH" HOME="$stage" XDG_DATA_HOME="$stage/home" XDG_DATA_DIRS="$root/share" \
    xdg-mime query filetype "$stage/site.rccfg")
[ "$type" = "$mime" ] || fail "an exported file is of type $type"

echo "installed and valid"
