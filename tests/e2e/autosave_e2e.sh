#!/usr/bin/env bash
# Plays a few moves in the real game under a virtual display, closes it, and starts it again:
# the game must come back exactly as it was left.
# Arguments: the game, the command-line tool. Runs itself again inside xvfb-run.
set -euo pipefail
game=$1
cli=$2

# The game must draw on the virtual display, even when the other tests were started offscreen.
unset QT_QPA_PLATFORM
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config TAVOLEX_PROGRAM_DIR=$work/program
mkdir -p "$XDG_CONFIG_HOME" "$TAVOLEX_PROGRAM_DIR"
autosave=$TAVOLEX_PROGRAM_DIR/autosave.tvx

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts the game and waits for its table (sets game_pid and window).
start_game() {
    "$game" "$@" >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --name "Tavolex 5.0" | head -1) || fail "no window"
    sleep 3  # the splash, the deal or the load, and a computer's first turn
    xdotool windowfocus --sync "$window"
}

# Game, Exit from the menu, then waits for the program to end.
quit_game() {
    xdotool key --clearmodifiers alt+g
    sleep 0.5
    xdotool key x
    timeout 20 tail --pid="$game_pid" -f /dev/null || fail "the game did not end"
}

# A rank key for a card of the player's hand in a saved game: its name's rank as keyboard play
# types it, from the tool's JSON.
hand_rank_key() {
    "$cli" show "$1" | python3 -c '
import json, sys
keys = {"2": "2", "3": "3", "4": "4", "5": "5", "6": "6", "7": "7", "8": "8", "9": "9",
        "10": "0", "b": "j", "v": "q", "h": "k", "a": "a"}
state = json.load(sys.stdin)
for card in state["PlayerHand"]:
    name = card["card"]
    if name == "joker" or name.startswith("spade3") or name.startswith("club3"):
        continue
    for suit in ("spade", "club", "diamond", "heart"):
        if name.startswith(suit):
            print(keys[name[len(suit):]])
            sys.exit(0)
sys.exit(1)'
}

# A fresh deal in which the player draws first, as the autosave of an earlier run.
"$cli" deal --seed 7 --out "$autosave" >/dev/null
rank=$(hand_rank_key "$autosave") || fail "no natural card in the dealt hand"

start_game
# Draw with the mouse on the middle of the stock (the table starts below the menu bar).
xdotool mousemove --window "$window" 35 440 click 1
sleep 1
# Meld a card of the rank with the keyboard, take it back (Del), then discard one.
xdotool key F8 "$rank"
sleep 0.5
xdotool key Delete
sleep 0.5
xdotool key F10 "$rank"
sleep 4  # the computer's turn
quit_game
[ -f "$autosave" ] || fail "no autosave.tvx after closing"
"$cli" show "$autosave" >"$work/first.json"
python3 -c '
import json, sys
state = json.load(open(sys.argv[1]))
assert state["GameInProgress"] == 1, "the game was not touched"
assert len(state["Stock"]) < 108 - 31, "nothing was drawn"
' "$work/first.json" || fail "the moves did not reach the game"

start_game
quit_game
"$cli" show "$autosave" >"$work/second.json"
cmp -s "$work/first.json" "$work/second.json" || {
    diff "$work/first.json" "$work/second.json" | head -20 >&2
    fail "the game came back changed"
}
echo "PASS"
