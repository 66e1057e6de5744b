#!/usr/bin/env bash
# "tavolex-cli lobby" clients agree on matches through the lobby's own invitation code on a
# real server on a free loopback port: accept, decline, cancel then accept, invitations
# crossing, a private room, a banned name and a client that is too old.
# Arguments: the command-line tool, the server.
set -euo pipefail
cli=$1
server=$2
source "$(dirname "$0")/lobby_server.sh"
start_server server

# lobby NAME REQUEST...: one client in the background, its output in NAME.log.
pids=()
lobby() {
    local name=$1
    shift
    "$cli" lobby --server "$address" --nick "$name" "$@" >"$work/$name.log" 2>&1 &
    pids+=($!)
}
finish() {
    for pid in "${pids[@]}"; do wait "$pid" || fail "a client failed"; done
    pids=()
}
has() { grep -qxF -- "$2" "$work/$1.log" || fail "$1 did not print \"$2\""; }

# Invite and accept, watched by a third: names unknown so far are registered on the way.
lobby cleo wait:2071 'say:good luck' wait:2071 wait:2072 wait:2072 sleep:1000
wait_for "$work/cleo.log" "^state 2"
lobby ben accept state:6
wait_for "$work/ben.log" "^chat: cleo: good luck"
lobby anna invite:ben state:6
finish
has cleo "2071 ben"
has cleo "2071 anna"
has ben "2071 anna"
has ben "chat: cleo: good luck"
has anna "chat: [Inviting your opponent, please wait...]"
has ben "chat: [Your opponent accepted, starting match...]"
has anna "state 6"
has ben "state 6"
has cleo "playing: ben - anna"

# A decline.
lobby emil decline sleep:300
wait_for "$work/emil.log" "^state 2"
lobby dora invite:emil state:2
finish
has dora "chat: [Sorry, your opponent has declined the invitation.]"
has emil "state 2"

# Cancelled, then accepted all the same: the inviter answers that it no longer stands.
lobby gus accept state:4 state:2
wait_for "$work/gus.log" "^state 2"
lobby fay invite:gus cancel wait:2121 sleep:300
finish
has fay "chat: [Invitation canceled.]"
has gus "chat: [Sorry, your opponent has canceled the invitation.]"

# Invitations that cross: each declines the other's and both are back in the lobby. Neither
# reads events between its login and its invitation, so each request finds the other inviting.
lobby ida wait:2071 hold:1500 invite:hal state:3 state:2
wait_for "$work/ida.log" "^state 2"
lobby hal hold:500 invite:ida state:3 state:2
finish
has hal "chat: [Declined ida because you were being invited.]"
has ida "chat: [Declined hal because you were being invited.]"
has hal "chat: [Sorry, your opponent has declined the invitation.]"
has ida "chat: [Sorry, your opponent has declined the invitation.]"

# A private room is created by its first visitor; the next one finds it.
lobby jo --room club wait:2071 sleep:500
wait_for "$work/jo.log" "^2070 LobbyTavolexclub"
lobby kim --room club sleep:300
finish
has jo "4072 LobbyTavolexclub"
has kim "2070 LobbyTavolexclub"
has kim "2101 jo"
grep -q "^4072" "$work/kim.log" && fail "kim found no room"

# A banned name.
python3 -c "import sqlite3, sys; c = sqlite3.connect(sys.argv[1]);
c.execute(\"UPDATE accounts SET banned = 1 WHERE nickname = 'jo'\"); c.commit()" "$work/server.db"
status=0; "$cli" lobby --server "$address" --nick jo >"$work/banned.log" 2>&1 || status=$?
[ "$status" = 1 ] || fail "a banned name gave $status"
has banned "chat: Cannot log in: username has been banned."
has banned "state 0"

# A client older than the server's minimum.
start_server old --minimum-version 9.0 --latest-version 9.0 --download http://lobby.test/setup
status=0; "$cli" lobby --server "$address" --nick liv >"$work/liv.log" 2>&1 || status=$?
[ "$status" = 1 ] || fail "a client too old gave $status"
has liv "chat: Please upgrade to the latest version of Tavolex. You can download it from http://lobby.test/setup"
echo "lobby invitations: ok"
