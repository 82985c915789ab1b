#!/bin/bash
# start.sh FOLDER: a Linux desktop for the end-to-end tests of the native program, left running
# for the tests that follow; stop.sh FOLDER ends it. A virtual X screen with openbox as window
# manager, a session bus as every desktop session has (without one, Qt's accessibility support
# would have D-Bus launch a session bus of its own at each start and leave it running), and a
# private system bus on which python3-dbusmock's logind template stands in for systemd-logind
# and logs the calls it gets. The host's own buses and logind are never reached: FOLDER/env
# gives the tests DISPLAY and the two private buses' addresses. The services' output goes
# elsewhere, so that CTest does not wait for them.
set -euo pipefail
folder=$1
rm -rf "$folder" && mkdir -p "$folder"
Start() { setsid "$@" >/dev/null 2>&1 </dev/null & echo $! >>"$folder/pids"; }
Await() {
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "not ready: $*" >&2
  exit 1
}

display=120
while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
export DISPLAY=:$display
Start Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp
Await xdpyinfo
Start openbox

Start dbus-daemon --session --address="unix:path=$folder/session_bus" --nofork
export DBUS_SESSION_BUS_ADDRESS=unix:path=$folder/session_bus
Await test -S "$folder/session_bus"

cat >"$folder/bus.conf" <<CONF
<busconfig>
  <type>system</type>
  <listen>unix:path=$folder/system_bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
CONF
Start dbus-daemon --config-file="$folder/bus.conf" --nofork
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$folder/system_bus
Await test -S "$folder/system_bus"
# Debian's python3, which has python3-dbusmock, whatever python3 comes first on PATH.
Start /usr/bin/python3 -m dbusmock --system --template logind -l "$folder/logind.log"
Await dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
  org.freedesktop.DBus.Peer.Ping

printf 'export DISPLAY=%q DBUS_SESSION_BUS_ADDRESS=%q DBUS_SYSTEM_BUS_ADDRESS=%q\n' "$DISPLAY" \
  "$DBUS_SESSION_BUS_ADDRESS" "$DBUS_SYSTEM_BUS_ADDRESS" >"$folder/env"
