#!/bin/sh
# The setup program under Wine, in a fresh prefix, as an IT department and a
# user meet it: it installs silently for the user alone, without an
# administrator; .rccfg opens in the configurator through its association
# (the window comes up showing the project's name); the uninstaller, listed
# among the installed programs, runs silently and leaves nothing but the
# user's files. Run under Xvfb (xvfb-run): the window needs a display.
# Arguments: the setup program, a project file, the version.
set -eu

setup=$1
project=$2
version=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export WINEPREFIX="$work/wine" WINEDEBUG=-all
wine=/usr/lib/wine/wine64
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$here/../../dist/windows/wine-prefix.sh" "$WINEPREFIX" x11
user="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$user/AppData/Local/Programs/ZAREN800 Configurator"
classes='HKCU\Software\Classes'
uninstall='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZAREN800 Configurator'
shortcut="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ZAREN800 Room Controller Configurator.lnk"

value() { # key [value name]: the data of a registry value, empty when there is none
    if [ $# -gt 1 ]; then set -- "$1" /v "$2"; else set -- "$1" /ve; fi
    "$wine" reg query "$@" 2>/dev/null | tr -d '\r' | sed -n 's/^.*REG_[A-Z_]* *//p' | head -n 1
}

files() {
    (cd "$user" && find . | LC_ALL=C sort)
}

# Version and publisher in the file properties of the three programs.
for program in "$setup" "$(dirname "$setup")/bin/zaren800-configurator.exe" \
    "$(dirname "$setup")/bin/zaren800-cfg.exe"; do
    strings -el "$program" | grep -qx "$version" || fail "$program: no version $version"
    strings -el "$program" | grep -q "ZAREN800 Configurator team" || fail "$program: no publisher"
done

mkdir -p "$user/Documents"
cp "$project" "$user/Documents/Zimmer 101.rccfg"
before=$(files)

"$wine" "$setup" /S
/usr/lib/wine/wineserver -w
[ -f "$installed/zaren800-configurator.exe" ] || fail "nothing installed in $installed"
[ -f "$installed/zaren800-cfg.exe" ] || fail "zaren800-cfg.exe not beside the configurator"
[ -f "$shortcut" ] || fail "no Start menu entry"
[ "$(value "$classes\\.rccfg")" = ZAREN800.Project ] || fail ".rccfg not registered"
value "$classes\\ZAREN800.Project\\shell\\open\\command" | grep -q 'zaren800-configurator.exe" "%1"' ||
    fail "no open command for .rccfg"
[ "$(value "$uninstall" DisplayVersion)" = "$version" ] || fail "not among the installed programs"
"$wine" "$installed/zaren800-cfg.exe" --version | grep -q "$version" || fail "zaren800-cfg does not run"

# Double-click: the association opens the project in the configurator.
# Windows reads the classes of HKCU over those of HKLM; Wine 8 reads only
# HKLM's, so the test lends it the user's for the double-click.
for key in .rccfg ZAREN800.Project; do
    "$wine" reg copy "$classes\\$key" "HKLM\\Software\\Classes\\$key" /s /f >/dev/null
done
"$wine" start /unix "$user/Documents/Zimmer 101.rccfg"
for _ in $(seq 60); do
    xwininfo -root -tree | grep -q 'Zimmer 101.rccfg' && break
    sleep 1
done
xwininfo -root -tree | grep -q 'Zimmer 101.rccfg' || fail "no window shows the project opened"
/usr/lib/wine/wineserver -k
/usr/lib/wine/wineserver -w
for key in .rccfg ZAREN800.Project; do
    "$wine" reg delete "HKLM\\Software\\Classes\\$key" /f >/dev/null
done

# A project the user saved in the program's folder stays, with the folder.
cp "$project" "$installed/mine.rccfg"
"$wine" "$(value "$uninstall" UninstallString | tr -d '"')" /S
/usr/lib/wine/wineserver -w
[ -z "$(value "$classes\\.rccfg")" ] || fail ".rccfg still registered"
"$wine" reg query "$classes\\ZAREN800.Project" >/dev/null 2>&1 && fail "file type left behind"
"$wine" reg query "$uninstall" >/dev/null 2>&1 && fail "still among the installed programs"
[ "$(ls "$installed")" = mine.rccfg ] || fail "left in the program's folder: $(ls "$installed")"
# Kept for it, and empty without it.
rm "$installed/mine.rccfg"
rmdir "$installed" "$(dirname "$installed")"
cmp -s "$project" "$user/Documents/Zimmer 101.rccfg" || fail "the project file was changed"
# The user's own: the configurator's data folder (its recovery copies), the
# recent files Windows keeps for them; and the temporary folder, where the
# uninstaller runs from a copy that Windows removes later.
after=$(files | grep -v -e '/AppData/Local/zaren800-configurator' -e '/Recent/' -e '^./Temp/')
[ "$before" = "$after" ] || fail "left behind: $(printf '%s\n' "$before" "$after" | sort | uniq -u)"
echo "Installed, opened by association and uninstalled without a trace"
