#!/bin/sh
# Qt 5.15 for 64-bit Windows, cross-built with MinGW-w64 from Debian's own
# source package, into a cache folder outside the tree that later builds reuse.
# Only what the two programs and their tests use: Core, Gui, Widgets,
# PrintSupport, Test, the Windows platform, style and print plugins.
#
#   build-qt.sh <prefix>     e.g. ~/.cache/zaren800/qt-5.15.8-mingw64
#
# The source comes through a private apt state folder, so the machine's own
# sources are never changed. A stamp in the prefix names the options it was
# built with: other options rebuild it.
set -eu

prefix=$1
jobs=${JOBS:-$(nproc)}
work="$prefix.build"

# Debian drops the Wintab header for its licence: no tablet events, which
# no one uses here. No OpenGL, D-Bus, SQL, XML, network or JPEG: nothing
# here needs them, and each is build time saved. FreeType: the offscreen
# platform, on which the tests run, draws text with it.
options="-xplatform win32-g++ -device-option CROSS_COMPILE=x86_64-w64-mingw32-
  -release -shared -opensource -confirm-license -nomake examples -nomake tests
  -no-opengl -no-dbus -no-vulkan -no-icu -no-openssl -no-libjpeg
  -qt-zlib -qt-libpng -qt-pcre -qt-harfbuzz -qt-freetype
  -no-feature-tabletevent -no-feature-sql -no-feature-network -no-feature-xml
  -no-feature-concurrent -no-direct2d"

stamp="$prefix/zaren800-qt.stamp"
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$options" ]; then
    echo "Qt for Windows: $prefix"
    exit 0
fi

rm -rf "$prefix" "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/sources.list.d"
cat >"$work/apt/sources.list.d/qtbase-src.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_private() {
    apt-get -o Dir::Etc::SourceParts="$work/apt/sources.list.d" -o Dir::Etc::SourceList=/dev/null \
        -o Dir::State::Lists="$work/apt/lists" -o APT::Sandbox::User=root "$@"
}
apt_private -q update
(cd "$work" && apt_private -q source --download-only qtbase-opensource-src)
# dpkg-source applies Debian's patches (its security fixes among them).
(cd "$work" && dpkg-source -x qtbase-opensource-src_*.dsc source >/dev/null)

mkdir -p "$work/build"
cd "$work/build"
start=$(date +%s)
# shellcheck disable=SC2086 # the options are words
../source/configure -prefix "$prefix" $options
configured=$(date +%s)
make -j"$jobs" >make.log 2>&1 || { tail -60 make.log; exit 1; }
make install >/dev/null
# The licence the libraries come under, shipped beside them.
cp ../source/LICENSE.LGPL3 ../source/LICENSE.GPL3 "$prefix/"
built=$(date +%s)
echo "Qt for Windows: configure $((configured - start)) s, build $((built - configured)) s"
printf '%s' "$options" >"$stamp"
cd / && rm -rf "$work"
