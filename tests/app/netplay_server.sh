#!/usr/bin/env bash
# Two "tavolex-cli netplay" bots play three short matches through the real server on a free
# loopback port, as the Beginner and the Advanced (random play sends so many commands that the
# server's limit makes it slow; the tables joined in memory play at random); their digests
# agree wherever both reached the same point of the exchange.
# Arguments: the command-line tool, the server.
set -euo pipefail
cli=$1
server=$2
source "$(dirname "$0")/lobby_server.sh"
start_server server

bot() {
    local name=$1
    shift
    "$cli" netplay --server "$address" --nick "$name" --matches 3 --match-hands 1 \
        --digest "$work/$name.digest" "$@" >"$work/$name.log" 2>&1
}
bot ann --accept --seed 5 --policy advanced &
# Stopped with the server should the inviter fail.
server_pids+=($!)
bot ben --invite ann --seed 6 --policy beginner || fail "the inviter failed"
wait "${server_pids[-1]}" || fail "the accepter failed"
grep -q "^3 matches, " "$work/ann.log" || fail "the accepter did not play three matches"
"$cli" netplay-compare "$work/ann.digest" "$work/ben.digest" >"$work/compare.log" ||
    fail "the digests disagree: $(cat "$work/compare.log")"
cat "$work/ben.log" "$work/compare.log"
