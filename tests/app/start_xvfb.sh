# start_xvfb LOG: starts Xvfb on a display number nobody uses (90-140) with openbox on it,
# exports DISPLAY and adds both to the array pids. The server never resets: it would when the
# probe below, its only client, leaves, and openbox connecting during that reset was refused
# ("Failed to open the display"). Runs of this user choose their numbers one at a time (a lock
# held from the look for a free number until the server answers), so two tests starting
# together never try the same number. Another program may still take the number at the same
# moment, and a busy machine starts Xvfb slowly: a server that lost the number or gave up
# makes way for the next one.
# Returns 1 when no server or no openbox started.
start_xvfb() {
    local log="$1" n xvfb display="" lock
    exec {lock}>>"/tmp/.zemlo-xvfb-$(id -u).lock" && flock "$lock"
    for n in $(seq 90 140); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
        # The server must not keep the lock open once this choice is over.
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$log" 2>&1 {lock}>&- &
        xvfb=$!
        for _ in $(seq 300); do
            # The display answers, and it is this server's: the lock names its process.
            if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
                [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$xvfb" ] && display=":$n"
                break
            fi
            kill -0 "$xvfb" 2>/dev/null || break
            sleep 0.1
        done
        if [ -n "$display" ]; then pids+=("$xvfb"); break; fi
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    done
    if [ -n "${lock:-}" ]; then exec {lock}>&-; fi
    [ -n "$display" ] || return 1
    export DISPLAY="$display"
    openbox >"$log.openbox" 2>&1 &
    pids+=($!)
    # Openbox owns the screen once it has set its supporting window on the root.
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
        sleep 0.1
    done
    return 1
}
