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
