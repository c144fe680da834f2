#!/bin/sh
# Makes a Wine prefix for the Windows build's programs, once:
#   wine-prefix.sh <folder> [null|x11]
# null (the default): no display, for the tests on the offscreen platform;
# x11: windows on $DISPLAY (the installer's test, screenshots), with Wine's
# stand-ins for the Windows interface fonts mapped to a sans face, and for
# Consolas to a fixed-pitch one. Mono and Gecko are left out: nothing here
# needs them, and Wine would fetch them.
set -eu

prefix=$(realpath -m "$1") # Wine takes absolute paths only
display=${2:-null}
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
stamp="$prefix/zaren800-display"

[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$display" ] && exit 0
mkdir -p "$(dirname "$prefix")"
"$wine" wineboot --init >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$display" /f >/dev/null
if [ "$display" = x11 ]; then
    replace() {
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /d "$2" /f >/dev/null
    }
    for font in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Segoe UI"; do
        replace "$font" "DejaVu Sans"
    done
    # The report's face, and Windows' own fixed-pitch one.
    replace Consolas "DejaVu Sans Mono"
    replace "Courier New" "DejaVu Sans Mono"
fi
/usr/lib/wine/wineserver -w
echo "$display" >"$stamp"
