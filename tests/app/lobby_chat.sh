#!/usr/bin/env bash
# Two "tavolex-cli lobby" clients meet on a real server on a free loopback port: one sees the
# other arrive, both see the public chat, a private game command arrives byte for byte.
# Arguments: the command-line tool, the server.
set -euo pipefail
cli=$1
server=$2

work=$(mktemp -d)
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do echo "--- $log" >&2; cat "$log" >&2; done
    exit 1
}
# Waits up to 10 s for a line in a file.
wait_for() {
    for _ in $(seq 100); do
        grep -q -- "$2" "$1" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "no \"$2\" in $1"
}

"$server" --listen 127.0.0.1 --port 0 --http-port -1 --database "$work/server.db" \
    >"$work/server.log" 2>&1 &
server_pid=$!
wait_for "$work/server.log" "lobby on"
port=$(sed -n 's/.*lobby on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/server.log")
address=127.0.0.1:$port

# Bad arguments and a server nobody answers at.
status=0; "$cli" lobby --nick anna rooms 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "missing --server gave $status"
status=0; "$cli" lobby --server "$address" --nick anna bogus 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "a bad request gave $status"
status=0; "$cli" lobby --server 127.0.0.1:1 --nick anna rooms 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "an unreachable server gave $status"

"$cli" lobby --server "$address" --nick ben --register wait:2071 'say:hello there' \
    'private:anna:8\xfe12\xff' wait:2040 >"$work/ben.log" 2>&1 &
ben_pid=$!
wait_for "$work/ben.log" "^2150"
"$cli" lobby --server "$address" --nick anna --register wait:2040 wait:2121 rooms wait:2052 \
    users:LOBBY-Tavolex501 wait:2100 >"$work/anna.log" 2>&1 || fail "anna's run failed"
wait "$ben_pid" || fail "ben's run failed"

grep -qx "2071 anna" "$work/ben.log" || fail "ben did not see anna arrive"
grep -qx "2040 ben hello there" "$work/ben.log" || fail "ben did not see his own chat"
grep -qx "2040 ben hello there" "$work/anna.log" || fail "anna did not see the chat"
grep -qx '2121 ben 8\\xfe12\\xff' "$work/anna.log" || fail "the private command changed"
grep -qx "2051 LOBBY-Tavolex501" "$work/anna.log" || fail "no lobby room in the room list"

# The account stays: a second registration of the name is refused, a login works.
status=0; "$cli" lobby --server "$address" --nick anna --register >"$work/again.log" 2>&1 || status=$?
[ "$status" = 1 ] && grep -q "^4060" "$work/again.log" || fail "a second registration gave $status"
"$cli" lobby --server "$address" --nick Anna motd wait:2112 >"$work/login.log" 2>&1 ||
    fail "anna could not log in again"
echo "lobby chat: ok"
