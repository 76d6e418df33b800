#!/usr/bin/env bash
# with_trap_receiver.sh PROGRAM [ARGS]: runs a test program under Wine while Debian's trap
# receiver (snmptrapd) listens on 127.0.0.1; the program finds the port in VEX_TRAP_PORT and
# the receiver's decoded traps, one "TRAP ..." line each, in the file VEX_TRAP_LOG.
set -u
root="$(cd "$(dirname "$0")/../../.." && pwd)"
receiver="$(command -v snmptrapd || echo /usr/sbin/snmptrapd)"
if [[ ! -x "$receiver" ]]; then
    echo "with_trap_receiver: snmptrapd is not installed (tools/bootstrap installs it)" >&2
    exit 1
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# An unprivileged port of its own for each run, so that parallel runs never meet.
for attempt in 1 2 3 4 5; do
    port=$((20000 + (RANDOM % 20000)))
    : >"$work/traps.log"
    MIBS= MIBDIRS="$work" "$receiver" -f -n -On -C -c "$root/tools/trap-receiver.conf" -Lf "$work/traps.log" \
        "udp:127.0.0.1:$port" </dev/null >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 50); do
        grep -q "NET-SNMP version" "$work/traps.log" 2>/dev/null && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && break
    wait "$pid" 2>/dev/null
    pid=""
done
if [[ -z "$pid" ]]; then
    echo "with_trap_receiver: snmptrapd did not start" >&2
    exit 1
fi
VEX_TRAP_PORT="$port" VEX_TRAP_LOG="$work/traps.log" "$root/tools/wine-run" "$@"
rc=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
exit $rc
