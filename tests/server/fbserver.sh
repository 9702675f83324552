#!/bin/bash
# A private Firebird 3 server for the test suite (Debian's firebird3.0-server):
# its own configuration, security database, lock and temporary folders under
# DIR, listening on a free loopback port; nothing outside DIR is touched.
#
#   fbserver.sh start DIR   # writes DIR/port and DIR/credentials (USER=, PASSWORD=, ADMIN_PASSWORD=)
#   fbserver.sh stop DIR    # stops the server and removes DIR
#
# A watchdog started with the server stops it when the process that started
# it (ctest) is gone, so that an interrupted suite leaves nothing running.
set -euo pipefail

cmd=${1:?start or stop}
dir=${2:?folder}
server=/usr/sbin/firebird

stop() {
    if [ -f "$dir/watchdog.pid" ]; then kill "$(cat "$dir/watchdog.pid")" 2>/dev/null || true; fi
    if [ -f "$dir/server.pid" ]; then
        pid=$(cat "$dir/server.pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}

if [ "$cmd" = stop ]; then
    stop
    exit 0
fi
[ "$cmd" = start ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
[ -x "$server" ] || { echo "$server is missing: install firebird3.0-server (make deps)" >&2; exit 1; }

[ -d "$dir" ] && stop
mkdir -p "$dir/lock" "$dir/tmp" "$dir/data"
dir=$(cd "$dir" && pwd)

# The client library's folder holds the messages file.
msgdir=$(dirname "$(readlink -f "$(ldconfig -p | sed -n 's/.*libfbclient.so.2 .*=> //p' | head -1)")")/firebird/3.0

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
secret() { head -c 12 /dev/urandom | od -An -tx1 | tr -d ' \n'; }
admin=$(secret)
password=$(secret)

cat > "$dir/firebird.conf" <<EOF
RemoteServicePort = $port
RemoteBindAddress = 127.0.0.1
ServerMode = Super
SecurityDatabase = $dir/security3.fdb
TempDirectories = $dir/tmp
EOF
: > "$dir/databases.conf"

export FIREBIRD="$dir" FIREBIRD_LOCK="$dir/lock" FIREBIRD_TMP="$dir/tmp" FIREBIRD_MSG="$msgdir"
unset ISC_USER ISC_PASSWORD
# The security database, through the embedded engine of this configuration.
isql-fb -q -user SYSDBA > "$dir/setup.log" 2>&1 <<EOF
CREATE DATABASE '$dir/security3.fdb';
CREATE OR ALTER USER SYSDBA PASSWORD '$admin';
CREATE USER PLANUSER PASSWORD '$password';
GRANT CREATE DATABASE TO USER PLANUSER;
COMMIT;
EOF
if grep -q 'Statement failed' "$dir/setup.log"; then cat "$dir/setup.log" >&2; stop; exit 1; fi

setsid "$server" > "$dir/server.log" 2>&1 < /dev/null &
echo $! > "$dir/server.pid"
spid=$(cat "$dir/server.pid")

owner=$PPID
( while kill -0 "$owner" 2>/dev/null && kill -0 "$spid" 2>/dev/null; do sleep 2; done
  kill "$spid" 2>/dev/null; rm -rf "$dir" ) > /dev/null 2>&1 < /dev/null &
echo $! > "$dir/watchdog.pid"

for _ in $(seq 100); do
    if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
        echo "$port" > "$dir/port"
        umask 077
        printf 'USER=PLANUSER\nPASSWORD=%s\nADMIN_PASSWORD=%s\n' "$password" "$admin" > "$dir/credentials"
        echo "Firebird server on 127.0.0.1:$port (pid $spid), folder $dir"
        exit 0
    fi
    kill -0 "$spid" 2>/dev/null || break
    sleep 0.1
done
echo "the Firebird server did not start:" >&2
cat "$dir/server.log" >&2 || true
stop
exit 1
