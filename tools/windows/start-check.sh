#!/usr/bin/env bash
# Starts the zipped Windows build as a player would, under wine on a virtual X
# display (Xvfb): unzipped to a fresh folder, viprats.exe run there, Space
# through the intro to the menu, F8 for a screenshot, then out through the
# menu's exit item. Passes when stdout.txt beside the program holds the
# start-up, menu, screenshot and shutdown lines.
#   start-check.sh ZIP WINEPREFIX [SCREENSHOT.bmp]
# Sound goes to SDL's dummy driver: CI machines have no sound device, and
# without one the game stops at start-up.
set -euo pipefail

ZIP=$(realpath "$1")
export WINEPREFIX=$(mkdir -p "$2" && cd "$2" && pwd)
SHOT=${3:-}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
xvfb=
game=
finish() {
    [ -n "$game" ] && kill "$game" 2>/dev/null
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$WORK"
}
trap finish EXIT

# Waits up to $2 seconds for the log line $1 (a grep pattern).
wait_for_line() {
    for _ in $(seq "$2"); do
        grep -q "$1" "$WORK/viprats/stdout.txt" 2>/dev/null && return 0
        sleep 1
    done
    echo "start-check: no line '$1' in stdout.txt after $2 s" >&2
    cat "$WORK/viprats/stdout.txt" >&2 2>/dev/null || echo "(no stdout.txt)" >&2
    return 1
}

# Held for a few frames, so that the game sees the key down.
tap() {
    xdotool keydown "$1"
    sleep 0.3
    xdotool keyup "$1"
    sleep "${2:-1}"
}

bash "$HERE/wine-run" --wineprefix "$WINEPREFIX" --init
# The server --init leaves up has no display: the game's own starts below, on Xvfb.
wineserver -k 2>/dev/null || true
wineserver -w
(cd "$WORK" && unzip -q "$ZIP")

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.2; done
export DISPLAY=:$(cat "$WORK/display")

# wine itself, not wine-run: the folder's own DLLs must be enough.
(cd "$WORK/viprats" && WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    SDL_AUDIODRIVER=dummy exec wine viprats.exe) &
game=$!

wait_for_line '^-Menu aplaadeets' 120
window=$(timeout 60 xdotool search --sync --name '^viPRats$' | head -n1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
tap space
tap space
tap space 2
tap F8
wait_for_line '^Screenshot .* saved' 20
tap Up 0.5
tap Return
wait_for_line '^Izeju no viPRats' 60
wait "$game" || true
game=

for line in '^SDL inicializeets\.' '^TTF cicilizeets\.' '^Load screeni salaadeeti' '^-Menu aplaadeets' \
            '^Screenshot .* saved' '^Nahrenizeju SDL' '^Izeju no viPRats'; do
    wait_for_line "$line" 1
done
if [ -n "$SHOT" ]; then cp "$(ls "$WORK"/viprats/*.bmp | head -n1)" "$SHOT"; fi
echo "start-check: viprats.exe reached the menu and left through it; stdout.txt:"
sed 's/^/  /' "$WORK/viprats/stdout.txt"
