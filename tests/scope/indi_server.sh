#!/usr/bin/env bash
# The telescope tests' INDI server: `indi_server.sh start DIR` runs indiserver
# with the telescope simulator on a free loopback port (its settings kept in
# DIR/home, so no run sees another's) and writes DIR/port and DIR/pid once
# it answers; `indi_server.sh stop DIR` ends it and its driver.
set -u
dir=$2
answers() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
case $1 in
start)
    mkdir -p "$dir/home"
    rm -f "$dir/port" "$dir/pid"
    for try in $(seq 1 20); do
        port=$((20000 + RANDOM % 30000))
        answers "$port" && continue
        HOME="$dir/home" setsid indiserver -p "$port" -u "$dir/indiserver-$port" -r 0 \
            indi_simulator_telescope \
            >"$dir/server.log" 2>&1 </dev/null &
        pid=$!
        for wait in $(seq 1 100); do
            if answers "$port"; then
                echo "$port" >"$dir/port"
                echo "$pid" >"$dir/pid"
                exit 0
            fi
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -- "-$pid" 2>/dev/null
    done
    echo "indiserver with indi_simulator_telescope did not start" >&2
    exit 1
    ;;
stop)
    if [ -f "$dir/pid" ]; then
        pid=$(cat "$dir/pid")
        # indiserver leads its own process group, its driver with it.
        kill -- "-$pid" 2>/dev/null
        for wait in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -f "$dir/pid" "$dir/port"
    exit 0
    ;;
esac
echo "usage: indi_server.sh start|stop DIR" >&2
exit 2
