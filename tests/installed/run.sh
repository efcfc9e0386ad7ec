#!/bin/sh
# The game as a player gets it from its package: unpacked into a scratch root
# with dpkg-deb -x (or installed for real), started through its launcher on
# SDL's dummy drivers by two players with homes of their own. Each must reach
# the menu and start a game from it, find an F8 screenshot in their own folder,
# see the game end in order with status 0 on SIGTERM, and leave the installed
# tree as it was. The second player's folder holds links left by an older
# version, which must give way to the installed files.
#
#   run.sh --deb-dir DIR --keys KEYS.so   unpacks the one DIR/viprats_*.deb
#   run.sh --installed --keys KEYS.so     runs /usr/games/viprats
set -eu

deb_dir= installed= keys=
while [ $# -gt 0 ]; do
    case $1 in
    --deb-dir) deb_dir=$2; shift 2 ;;
    --installed) installed=1; shift ;;
    --keys) keys=$2; shift 2 ;;
    *) echo "usage: $0 (--deb-dir DIR | --installed) --keys KEYS.so" >&2; exit 2 ;;
    esac
done

# The launcher changes folder before the program loads it.
keys=$(readlink -f "$keys")
scratch=$(mktemp -d)
game=
cleanup() {
    [ -n "$game" ] && kill -KILL "$game" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ -n "$installed" ]; then
    root=
    tree="/usr/games/viprats /usr/lib/games/viprats /usr/share/games/viprats"
else
    set -- "$deb_dir"/viprats_*_amd64.deb
    [ $# -eq 1 ] && [ -f "$1" ] || fail "expected one package in $deb_dir, found: $*"
    root=$scratch/root
    dpkg-deb -x "$1" "$root"
    tree=$root
fi
launcher=$root/usr/games/viprats
snapshot() { find $tree -printf '%p %y %s %m %T@\n' | sort; }
snapshot > "$scratch/tree-before"

# Space through the intro pages, Enter on the menu's new game, F8 on the loading screen.
export VIPRATS_TEST_KEYS="20:32 45:32 70:32 95:32 120:32 150:13 200:289"

# within TENTHS WHAT CHECK: waits for CHECK to hold, or fails with WHAT.
within() {
    tenths=$1 what=$2
    until $3; do
        [ "$tenths" -gt 0 ] || { cat "$log"; fail "$name: $what"; }
        sleep 0.1
        tenths=$((tenths - 1))
    done
}
screenshot_taken() {
    grep -q "^Screenshot .* saved$" "$log" && return
    kill -0 "$game" 2>/dev/null || { cat "$log"; fail "$name: the game ended before its screenshot"; }
    return 1
}
# Gone, or a zombie left for `wait`.
ended() { ! ps -o stat= -p "$game" | grep -qv '^Z'; }

# play NAME FOLDER [VAR=VALUE...]: one player's run, its log in $scratch/NAME.log.
play() {
    name=$1 folder=$2
    shift 2
    log=$scratch/$name.log
    shots_before=$(ls "$folder"/*.bmp 2>/dev/null | wc -l)
    env HOME="$scratch/$name" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy LD_PRELOAD="$keys" "$@" \
        "$launcher" > "$log" 2>&1 &
    game=$!
    within 1200 "no screenshot in 120 s" screenshot_taken
    kill -TERM "$game"
    within 300 "still running 30 s after SIGTERM" ended
    status=0
    wait "$game" || status=$?
    game=
    [ $status -eq 0 ] || { cat "$log"; fail "$name: exit status $status after SIGTERM"; }
    for line in "-Menu aplaadeets" "-Laadeeju lvl 0" "Nahrenizeju TTF..." "Nahrenizeju SDL..."; do
        grep -qxF -- "$line" "$log" || { cat "$log"; fail "$name: no \"$line\" in the log"; }
    done
    [ "$(tail -n 1 "$log")" = "Izeju no viPRats..." ] || { cat "$log"; fail "$name: the log does not end with the goodbye"; }
    shot=$(sed -n 's/^Screenshot \(.*\) saved$/\1/p' "$log")
    [ "$(head -c 2 "$folder/$shot")" = BM ] || fail "$name: no BMP $shot in $folder"
    [ $(ls "$folder"/*.bmp | wc -l) -eq $((shots_before + 1)) ] || fail "$name: screenshots in $folder: $(ls "$folder")"
}

# Player A: the default folder under ~/.local/share.
play a "$scratch/a/.local/share/viprats"

# Player B: XDG_DATA_HOME, and a folder that an older version left behind.
b_folder=$scratch/b-data/viprats
mkdir -p "$b_folder" "$scratch/old/share/games/viprats/menu"
ln -s "$scratch/old/share/games/viprats/menu" "$b_folder/menu"
ln -s "$scratch/old/share/games/viprats/gone" "$b_folder/gone"
echo "mine" > "$b_folder/notes.txt"
play b "$b_folder" XDG_DATA_HOME="$scratch/b-data"
data=$(readlink -f "$(dirname "$(readlink -f "$launcher")")/../share/games/viprats")
[ "$(readlink "$b_folder/menu")" = "$data/menu" ] || fail "b: menu still links to $(readlink "$b_folder/menu")"
[ ! -e "$b_folder/gone" ] && [ ! -L "$b_folder/gone" ] || fail "b: the old version's link is still there"
[ "$(cat "$b_folder/notes.txt")" = mine ] || fail "b: the player's own file was touched"
[ $(ls "$scratch/a/.local/share/viprats"/*.bmp | wc -l) -eq 1 ] || fail "b's run touched a's folder"

# Player A again: the folder is reused, and a start-up failure's status comes through the launcher.
status=0
env HOME="$scratch/a" SDL_VIDEODRIVER=no-such-driver SDL_AUDIODRIVER=dummy "$launcher" > "$scratch/fail.log" 2>&1 ||
    status=$?
[ $status -eq 255 ] || { cat "$scratch/fail.log"; fail "status $status from a failed start-up, not 255"; }

snapshot > "$scratch/tree-after"
diff "$scratch/tree-before" "$scratch/tree-after" >&2 || fail "the installed tree changed"
echo "installed game: menu reached, screenshots in the players' folders, SIGTERM ends it with 0, tree untouched"
