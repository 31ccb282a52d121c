# Sourced by the scripts that run the real window on a private X display. Gives them:
#   work           a temporary folder, removed on exit;
#   pids           processes started in the background, ended on exit in reverse order;
#   startDisplay   starts Xvfb on a free display with a screen of the given size (1024x768x24),
#                  passing any further arguments to Xvfb (-dpi 192), and exports DISPLAY; answers
#                  non-zero, with Xvfb's log on stderr, if it fails.

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
