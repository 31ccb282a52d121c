# Sourced by the scripts that run the real window on a private X display. Gives them:
#   work           a temporary folder, removed on exit;
#   pids           processes started in the background, ended on exit in reverse order;
#   startDisplay   starts Xvfb on a free display with a screen of the given size (1024x768x24),
#                  passing any further arguments to Xvfb (-dpi 192), and exports DISPLAY; answers
#                  non-zero, with Xvfb's log on stderr, if it fails;
#   startWindowManager  starts openbox on that display and waits until it takes windows;
#                  answers non-zero if it does not;
#   waitFor        waits up to the given seconds for a command to succeed;
#   shown, gone    wait up to the given seconds for a visible window of that name (printing its
#                  id), or tell whether none is left.

work=$(mktemp -d)
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
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 && break
        sleep 0.1
    done
    # openbox announces itself before it is ready: a window mapped in the next moments can be lost.
    sleep 1
    xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1
}

waitFor() { # seconds, then the command
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

shown() { timeout "$1" xdotool search --sync --onlyvisible --name "$2" | head -n1; }
gone() { ! xdotool search --onlyvisible --name "$1" >/dev/null; }
