#!/bin/sh
# Screenshots of the desktop windows on a private X server (Xvfb), for looking at fonts,
# placement and window shapes. Source it, or run it directly:
#
#   scripts/screenshot-lib.sh OUT.png [SECONDS] -- PROGRAM [ARGS...]
#       starts PROGRAM on a fresh 1024x768 screen, waits SECONDS (default 2), saves the whole
#       screen to OUT.png with imagemagick's import, then ends PROGRAM.
#   scripts/screenshot-lib.sh --form NAME OUT.png [BUILD_DIR]
#       one form table alone: "sample" (every kind of control, from the window tests) or one of
#       Form1, frmstart, Dialog, diaEnd, frmAbout; from BUILD_DIR (default build-qt). That
#       program saves just its window itself.
#
# Needs xvfb, xauth and imagemagick (Debian packages). There is no window manager on the
# private screen, so windows have no title bar; the client area and its shape are what shows.
#
# Sourced, it also gives the pieces of the scripts that picture viewers and the Windows program:
# screenshot_packages, screen_start / screen_stop, xchm_open / xchm_close, wine_start / wine_stop.

# Installs those of the Debian packages named that are missing (needs root then).
screenshot_packages() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086 # one argument per package
        apt-get install -y -qq --no-install-recommends $missing >/dev/null
    fi
}

# Starts a private X server of $2 (WIDTHxHEIGHT, default 1024x768) on a free display, waits until
# it takes connections and exports DISPLAY. $1 names the caller in messages. screen_stop ends it.
screen_start() {
    screen_number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${2:-1024x768}x24" -nolisten tcp 3>"$screen_number" >/dev/null 2>&1 &
    screen_pid=$!
    i=0
    until [ -s "$screen_number" ]; do
        i=$((i + 1))
        if [ $i -ge 50 ] || ! kill -0 "$screen_pid" 2>/dev/null; then
            echo "$1: the virtual screen did not start" >&2
            rm -f "$screen_number"
            exit 1
        fi
        sleep 0.2
    done
    DISPLAY=":$(cat "$screen_number")"
    export DISPLAY
    rm -f "$screen_number"
}

screen_stop() { [ -z "${screen_pid:-}" ] || kill "$screen_pid" 2>/dev/null || true; }

# Opens $1 in xchm on the screen, its window at the top left and 1024x768; xchm_close ends it.
xchm_open() {
    xchm "$1" 2>/dev/null &
    viewer=$!
    sleep 5
    win=$(xdotool search --onlyvisible --name xCHM | head -1)
    xdotool windowmove "$win" 0 0 windowsize "$win" 1024 768
}

xchm_close() { kill "$viewer" 2>/dev/null || true; wait "$viewer" 2>/dev/null || true; }

# Wine with the prefix $2 on a private screen of $3 (default 1024x768); $1 names the caller. The
# screen must be up before Wine's first start, which binds the prefix to it. wine_stop ends both.
wine_start() {
    export WINEPREFIX="$2" WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
    wine_started=1
    screen_start "$1" "${3:-1024x768}"
}

wine_stop() {
    # Never the wineserver of another prefix.
    [ -z "${wine_started:-}" ] || /usr/lib/wine/wineserver -k 2>/dev/null || true
    screen_stop
}

# hh_shot_start NAME: for a picture of Wine's hh.exe in a Japanese Windows. Needs $top and $build
# (with hhc.exe); sets $wine, $work (removed on exit) and a fresh prefix. Wine takes its ANSI code
# page from the locale: a Japanese one (932), where hh.exe reads titles and its command line.
hh_shot_start() {
  [ -f "$build/hhc.exe" ] || { echo "no hhc.exe in $build; build the hhc target first" >&2; exit 1; }
  wine=/usr/lib/wine/wine64
  screenshot_packages wine64 xvfb xdotool imagemagick fonts-noto-cjk locales
  if ! locale -a | grep -qx 'ja_JP.utf8'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  fi
  export LC_ALL=ja_JP.UTF-8
  work=$(mktemp -d "$build/$1-XXXXXX")
  trap 'wine_stop; rm -rf "$work"' EXIT
  wine_start "$1" "$work/prefix"
  "$top/scripts/wine-prefix.sh" "$WINEPREFIX"
}

screenshot_command() {
    out=$1
    shift
    wait_s=2
    if [ "$#" -gt 0 ] && [ "$1" != "--" ]; then
        wait_s=$1
        shift
    fi
    [ "${1:-}" = "--" ] && shift
    [ "$#" -gt 0 ] || { echo "screenshot_command: no program given" >&2; return 2; }
    case $out in /*) ;; *) out="$(pwd)/$out" ;; esac
    xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
        out=$1; wait_s=$2; shift 2
        "$@" &
        pid=$!
        sleep "$wait_s"
        import -window root "$out"
        status=$?
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        exit $status
    ' screenshot "$out" "$wait_s" "$@"
}

screenshot_form() {
    form=$1
    out=$2
    build=${3:-build-qt}
    case $out in /*) ;; *) out="$(pwd)/$out" ;; esac
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/tess_qt_form_demo" --form "$form" --save "$out"
}

# Run directly rather than sourced.
case ${0##*/} in
    screenshot-lib.sh)
        set -eu
        if [ "${1:-}" = "--form" ]; then
            shift
            screenshot_form "$@"
        elif [ "$#" -ge 2 ]; then
            screenshot_command "$@"
        else
            awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"
            exit 2
        fi
        ;;
esac
