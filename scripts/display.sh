# Shared by scripts/test and scripts/run: a private Xvfb display and the
# build's Wine prefix. Expects WINEPREFIX to be set.

xvfb_pid=""

# Starts Xvfb on a free display number, which Xvfb picks itself (so that
# several runs at once never share one), and exports DISPLAY.
start_display() {
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
        if [ -s "$number_file" ]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
            rm -f "$number_file"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    echo "no X display could be started" >&2
    return 1
}

# Makes the Wine prefix once; no crash dialog may ever wait for a person.
prepare_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "making the Wine prefix (once)"
        mkdir -p "$WINEPREFIX"
        /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || return 1
        /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog \
            /t REG_DWORD /d 0 /f >/dev/null 2>&1
        # Without a window manager, managed windows wait 2 s for one at every hide.
        /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
            /t REG_SZ /d N /f >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
    fi
}

stop_wine_and_display() {
    /usr/lib/wine/wineserver -k >/dev/null 2>&1
    /usr/lib/wine/wineserver -w >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
