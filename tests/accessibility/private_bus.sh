#!/bin/bash
# Prints the accessible tree of every window of the suite on a private X
# server, session bus and accessibility bus of its own, in English and in
# German: usage private_bus.sh BUILD_DIR [language...].
set -u
build=$(cd "$1" && pwd)
shift
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(C de)
here=$(cd "$(dirname "$0")" && pwd)

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
bus_pid=""
launcher=""
wm=""
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$launcher" ] && kill "$launcher" 2>/dev/null
    [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
eval "$(dbus-launch --sh-syntax)"
bus_pid=$DBUS_SESSION_BUS_PID
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
# A window manager gives the windows the keyboard focus, as on a desktop.
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
fi
sleep 1
status=0
for language in "${languages[@]}"; do
    /usr/bin/python3 "$here/print_tree.py" "$build" "$language" || status=1
done
exit $status
