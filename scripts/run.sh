#!/usr/bin/env bash
# Builds Tavrilo and starts it under Wine, in the user's own Wine prefix (WINEPREFIX, else
# ~/.wine): on the user's display, or on a private Xvfb display when there is none.
# Usage: scripts/run.sh [FILE.tvr]
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

if [ $# -gt 1 ]; then
    echo "usage: scripts/run.sh [FILE.tvr]" >&2
    exit 2
fi

ensure_setup
configure_and_build_program

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    echo "run: no display; Tavrilo runs on the Xvfb display $DISPLAY"
    # Only the display is ours to end: the prefix's server may serve the user's other programs.
    trap stop_xvfb EXIT
fi
setup_user_wine_env
if [ -n "$STARTED_XVFB_PID" ] && ! timeout 10 wineserver -w; then
    # A server of the prefix left by a Wine command run without a display keeps a desktop that
    # can show no window; it ends a few seconds after its last program.
    echo "run: Wine programs without a display still run in $WINEPREFIX;" \
        "Tavrilo may not be able to show its window" >&2
fi
echo "run: Wine prefix $WINEPREFIX; settings under HKEY_CURRENT_USER\\Software\\Tavrilo"

args=()
if [ $# -eq 1 ]; then
    # The program takes a name without a folder from its own folder; the user means theirs.
    args+=("$(winepath -w "$(realpath -m -- "$1")")")
fi
status=0
wine "$WINDOWS_BUILD/bin/Tavrilo.exe" "${args[@]}" || status=$?
if [ $status -ne 0 ]; then
    # Wine's own explanation (no display it can open, say) is among the messages it keeps quiet.
    echo "run: Tavrilo ended with status $status; if no window appeared, check that the" \
        "display ${DISPLAY} can be opened" >&2
fi
exit $status
