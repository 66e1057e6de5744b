# Sourced by the lobby scripts: a work folder, the real server on a free loopback port, and
# helpers to wait and fail. Every server started is stopped when the script ends.
work=$(mktemp -d)
server_pids=()
cleanup() {
    for pid in "${server_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
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
# start_server NAME [FLAG...]: the server with its database NAME.db; sets address to HOST:PORT.
start_server() {
    local name=$1
    shift
    "$server" --listen 127.0.0.1 --port 0 --http-port -1 --database "$work/$name.db" "$@" \
        >"$work/$name.log" 2>&1 &
    server_pids+=($!)
    wait_for "$work/$name.log" "lobby on"
    address=127.0.0.1:$(sed -n 's/.*lobby on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/$name.log")
}
