#!/bin/sh
# The Windows build writes the bytes that the Linux build writes, for rooms
# with every type, a worked example and names in other scripts: the JSON
# unpacked, the project file packed from it (to a file, and through standard
# input and output), the report text and the wiring CSV; and a project file
# written to a path with a drive letter, backslashes and umlauts.
# Arguments: the Linux build's zaren800-cfg, the Windows build's
# zaren800-cfg.exe, the emulator that runs it, the seed corpus folder.
set -eu

linux=$1
windows=$2
emulator=$3
corpus=$4
if [ ! -x "$linux" ]; then
    echo "SKIP: no Linux build to compare with at $linux (make build)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

onWindows() {
    "$emulator" "$windows" "$@"
}

same() {
    cmp -s "$1" "$2" || fail "$3: the Windows build wrote other bytes"
}

# The room with every type, its names in other scripts, and the worked
# example of the file format.
"$linux" unpack "$corpus/export-sample.rccfg" -o "$work/sample.json"
sed 's/"name": "/"name": "ü灯/' "$work/sample.json" >"$work/non-ascii.json"
cat >"$work/worked-example.json" <<'EOF'
{"AirConditioner": [],"CreateTime": "08-12-2026 10:15:00","DNDMUR": [],"DigitalIO": [],
"EnergySaving": [],"Lighting": [{"ControlOut-C1": "ENABLE","ControlOut-C2": "DISABLE",
"ControlOut-C3": "DISABLE","ControlOut-C4": "DISABLE","ControlOut-C5": "DISABLE",
"ControlOut-C6": "DISABLE","ControlOut-C7": "DISABLE","ControlOut-C8": "DISABLE",
"ControlType": "ON/OFF","DebounceTime": "50 ms","Input": "IN3",
"OutputControlPriority": "","name": "Entrance"}],"Logic": [],"MasterOff": [],
"PlatformType": "MV211","Shutter": [],"Version": "v2.0.2","VoltageInput": [],
"Welcome": [{"ControlOut-C1": "ENABLE","ControlOut-C2": "DISABLE",
"ControlOut-C3": "DISABLE","ControlOut-C4": "DISABLE","ControlOut-C5": "DISABLE",
"ControlOut-C6": "DISABLE","ControlOut-C7": "DISABLE","ControlOut-C8": "DISABLE",
"name": "Welcome-1"}]}
EOF

for json in "$work"/*.json; do
    name=$(basename "$json" .json)
    l="$work/$name.linux"
    w="$work/$name.windows"
    "$linux" pack "$json" -o "$l.rccfg"
    onWindows pack "$json" -o "$w.rccfg"
    same "$l.rccfg" "$w.rccfg" "$name packed"
    onWindows pack - -o - <"$json" >"$w-piped.rccfg"
    same "$l.rccfg" "$w-piped.rccfg" "$name packed through standard input and output"

    "$linux" unpack "$l.rccfg" -o - >"$l.json"
    onWindows unpack "$l.rccfg" -o - >"$w.json"
    same "$l.json" "$w.json" "$name unpacked"
    "$linux" report "$l.rccfg" >"$l.txt"
    onWindows report "$l.rccfg" >"$w.txt"
    same "$l.txt" "$w.txt" "$name report text"
    "$linux" wiring "$l.rccfg" --csv >"$l.csv"
    onWindows wiring "$l.rccfg" --csv >"$w.csv"
    same "$l.csv" "$w.csv" "$name wiring CSV"
    echo "$name: the same bytes"
done

folder="$work/Jürgen Müller/Desktop"
mkdir -p "$folder"
windowsFolder=$(WINEDEBUG=-all "$emulator" winepath -w "$folder" | tr -d '\r')
onWindows pack "$work/non-ascii.json" -o "$windowsFolder\\Zimmer 101.rccfg"
same "$work/non-ascii.linux.rccfg" "$folder/Zimmer 101.rccfg" "$windowsFolder\\Zimmer 101.rccfg"
printf '%s\\Zimmer 101.rccfg: the same bytes\n' "$windowsFolder"
