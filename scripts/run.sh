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
echo "run: Wine prefix $WINEPREFIX; settings under HKEY_CURRENT_USER\\Software\\Tavrilo"

args=()
if [ $# -eq 1 ]; then
    # The program takes a name without a folder from its own folder; the user means theirs.
    args+=("$(winepath -w "$(realpath -m -- "$1")")")
fi
wine "$WINDOWS_BUILD/bin/Tavrilo.exe" "${args[@]}"
