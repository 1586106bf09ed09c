#!/usr/bin/env bash
# Builds Tavrilo and starts it under Wine: on the user's display, or on a private Xvfb display
# when there is none.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

ensure_setup
configure_and_build_windows

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    echo "run: no display; Tavrilo runs on the Xvfb display $DISPLAY"
    trap stop_wine_and_xvfb EXIT
fi
setup_wine_env
wine "$WINDOWS_BUILD/bin/Tavrilo.exe" "$@"
