#!/usr/bin/env bash
# Puts the Windows build in one folder and zips it:
#   package.sh GAME_EXE DLL_DIR DATA_DIR OUT_DIR
# OUT_DIR/viprats/ receives viprats.exe, every DLL it needs from DLL_DIR or the
# mingw-w64 run time, the data tree and readme.txt; OUT_DIR/viprats-windows.zip
# holds that folder. The data tree goes beside the program, not into a
# subfolder, because the game reads its files relative to its working folder
# and a double-click starts it in the program's own folder.
set -euo pipefail

EXE=$1
DLL_DIR=$2
DATA=$3
OUT=$(mkdir -p "$4" && cd "$4" && pwd)
HERE=$(cd "$(dirname "$0")" && pwd)
HOST=x86_64-w64-mingw32
FOLDER=$OUT/viprats
ZIP=$OUT/viprats-windows.zip

# Where a DLL of ours can come from; anything else must be part of Windows.
SEARCH=("$DLL_DIR" /usr/$HOST/lib /usr/lib/gcc/$HOST/*-posix)
# Wine's own copies of the system DLLs tell a Windows DLL from a missing one.
SYSTEM_DLLS=(/usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows)

imports() { $HOST-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }

find_in() {
    local name=$1 dir found
    shift
    for dir in "$@"; do
        [ -d "$dir" ] || continue
        found=$(find "$dir" -maxdepth 1 -iname "$name" -print -quit)
        [ -n "$found" ] && { echo "$found"; return 0; }
    done
    return 1
}

rm -rf "$FOLDER" "$ZIP"
mkdir -p "$FOLDER"
cp "$DATA"/. -r "$FOLDER"/
# Left-overs of a developer's runs, not part of the game's data.
find "$FOLDER" \( -name '.*' -o -name '*.part' -o -name '*.bmp' \) -prune -exec rm -rf {} +
# The Linux build's names of pictures the Windows build reads under its own;
# LVL2.jpg and lvl2.jpg would be one file where names ignore case.
rm -f "$FOLDER"/load_screen/{LINUXversija,LVL2,LVL2_,LVL3,LVL3_}.jpg
cp "$EXE" "$FOLDER/viprats.exe"

pending=("$FOLDER/viprats.exe")
while [ ${#pending[@]} -gt 0 ]; do
    file=${pending[0]}
    pending=("${pending[@]:1}")
    for name in $(imports "$file"); do
        [ -e "$FOLDER/$name" ] && continue
        if dll=$(find_in "$name" "${SEARCH[@]}"); then
            cp "$dll" "$FOLDER/$name"
            pending+=("$FOLDER/$name")
        elif ! find_in "$name" "${SYSTEM_DLLS[@]}" >/dev/null && [[ $name != api-ms-win-* ]]; then
            echo "package.sh: $file needs $name, which is neither built here nor part of Windows" >&2
            exit 1
        fi
    done
done

# Symbols are for debugging the build, not for players: they double the DLLs' size.
$HOST-strip --strip-unneeded "$FOLDER"/*.dll "$FOLDER/viprats.exe"
sed 's/$/\r/' "$HERE/readme.txt" > "$FOLDER/readme.txt"
(cd "$OUT" && zip -qr -9 "$ZIP" viprats)
echo "Windows build: $ZIP ($(du -h "$ZIP" | cut -f1)); DLLs:" $(cd "$FOLDER" && ls ./*.dll | sed 's|./||')
