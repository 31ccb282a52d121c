# Sourced by the scripts that run the real window on a private X display. Gives them:
#   work           a temporary folder, removed on exit;
#   pids           processes started in the background, ended on exit in reverse order;
#   startDisplay   starts Xvfb on a free display with a screen of the given size (1024x768x24),
#                  passing any further arguments to Xvfb (-dpi 192), and exports DISPLAY; answers
#                  non-zero, with Xvfb's log on stderr, if it fails;
#   startWindowManager  starts openbox on that display, with one desktop, and waits until it
#                  takes windows; answers non-zero if it does not (needs xdotool);
#   waitFor        waits up to the given seconds for a command to succeed;
#   shown, gone    wait up to the given seconds for a visible window of that name (printing its
#                  id), or tell whether none is left;
#   asPlayer       a command prefix: run as an unprivileged player (uid 65534 when started as
#                  root, since root reads and writes whatever the permissions say, and some
#                  programs refuse it), with HOME, XDG_RUNTIME_DIR and XDG_DATA_HOME in
#                  $work/player;
#   startSessionBus  starts a D-Bus session bus of the player's own and exports its address, so
#                  that no program starts a bus of its own that outlives the test.

work=$(mktemp -d)
chmod 755 "$work" # the player reaches its own folder inside
pids=()

endBackground() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap endBackground EXIT

startDisplay() {
    # Xvfb picks a free display number and writes it to the file.
    Xvfb -displayfd 3 -screen 0 "$1" "${@:2}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    pids+=($!)
    for _ in $(seq 100); do
        [[ -s "$work/display" ]] && break
        sleep 0.1
    done
    if [[ ! -s "$work/display" ]]; then
        cat "$work/xvfb.log" >&2
        return 1
    fi
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY
}

startWindowManager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # openbox announces itself before it is ready, and a window mapped, or a request made, in the
    # next moments can be lost: it is ready once it has answered a request, here for one desktop
    # of its four, asked for again until it has one.
    waitFor 30 oneDesktop
}
oneDesktop() {
    [[ $(xprop -root _NET_NUMBER_OF_DESKTOPS 2>&1) == *' = 1' ]] && return
    xdotool set_num_desktops 1 2>/dev/null
    return 1
}

waitFor() { # whole seconds, then the command
    local deadline=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000))
    until "${@:2}"; do
        ((${EPOCHREALTIME//[!0-9]/} < deadline)) || return 1
        sleep 0.2
    done
}

# xdotool ends on an X error, as when a window it looks at goes away (Wine makes and ends many at
# its start): each search is tried again until the time is up.
shown() { waitFor "$1" visible "$2"; }
visible() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | awk 'NR == 1 { print } END { exit !NR }'
}
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null; }

player="$work/player"
mkdir -p "$player/run" "$player/data"
chmod 700 "$player/run"
# A command prefix rather than a function, so that "${asPlayer[@]}" command & leaves in $! the
# command itself, which endBackground can then end.
asPlayer=(env HOME="$player" XDG_RUNTIME_DIR="$player/run" XDG_DATA_HOME="$player/data")
if [[ "$(id -u)" -eq 0 ]]; then
    chown -R 65534:65534 "$player"
    asPlayer=(setpriv --reuid 65534 --regid 65534 --clear-groups "${asPlayer[@]}")
fi

startSessionBus() {
    "${asPlayer[@]}" dbus-daemon --session --nofork --nopidfile --print-address=3 \
        3>"$work/bus" >"$work/bus.log" 2>&1 &
    pids+=($!)
    waitFor 30 test -s "$work/bus" || return 1
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
}
