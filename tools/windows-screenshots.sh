#!/bin/sh
# Renews docs/screenshots/windows-*.png: the Windows build's real window under
# Wine, in a Wine desktop on Xvfb, driven by keys and clicks: Home, Lighting
# with a function open, the File menu, and the print dialog opening (a CUPS
# daemon of the script's own gives Wine a printer, as Windows always has one).
# Wine's stand-ins for the Windows interface fonts are mapped to a sans face
# (dist/windows/wine-prefix.sh).
#   windows-screenshots.sh <Windows build folder> <output folder>
set -eu

build=$(cd "$1" && pwd)
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
display=:$((90 + $$ % 100))
export DISPLAY=$display WINEPREFIX="$work/wine" WINEDEBUG=-all CUPS_SERVER="$work/cups/cups.sock"
wine=/usr/lib/wine/wine64

stop() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    pkill -f "$work/cups/cupsd.conf" || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT

printer() {
    mkdir -p "$work/cups/spool" "$work/cups/cache" "$work/cups/state"
    cat >"$work/cups/cupsd.conf" <<CONF
Listen $CUPS_SERVER
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$work/cups/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $work/cups
RequestRoot $work/cups/spool
CacheDir $work/cups/cache
StateDir $work/cups/state
ErrorLog $work/cups/error_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
CONF
    chmod a+rx "$work"
    chmod -R a+rwx "$work/cups"
    /usr/sbin/cupsd -c "$work/cups/cupsd.conf" -s "$work/cups/cups-files.conf"
    for _ in $(seq 20); do [ -S "$CUPS_SERVER" ] && break; sleep 0.5; done
    lpadmin -p Office -E -v file:///dev/null -m raw 2>/dev/null
}

shot() {
    sleep 3
    import -window root "$work/shot.png"
    # The Wine desktop around the window goes; the window, menus and dialogs stay.
    convert "$work/shot.png" -trim +repage "$out/windows-$1.png"
    echo "$out/windows-$1.png"
}

Xvfb "$display" -screen 0 1600x900x24 >/dev/null 2>&1 &
xvfb=$!
printer
"$here/../dist/windows/wine-prefix.sh" "$WINEPREFIX" x11
cp "$here/../tests/fuzz/corpus/export-sample.rccfg" "$work/site.rccfg"
"$wine" explorer /desktop=screenshots,1600x900 "$build/bin/zaren800-configurator.exe" \
    "$("$wine" winepath -w "$work/site.rccfg" | tr -d '\r')" >/dev/null 2>&1 &
for _ in $(seq 60); do
    xdotool search --name "Wine desktop" >/dev/null 2>&1 && break
    sleep 1
done
sleep 10
xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -n 1)"
shot home
# Lighting, the seventh page, and its first saved function from the list.
xdotool key ctrl+7 sleep 1 key shift+Tab sleep 1 key Down sleep 1 key Up
shot lighting
xdotool key alt+f
shot file-menu
xdotool key Escape sleep 1 key Escape sleep 1 key ctrl+p
shot print
