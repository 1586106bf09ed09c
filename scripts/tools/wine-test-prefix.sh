#!/bin/sh
# Runs a test program under Wine in one of the build tree's own prefixes, never in the prefix
# where the user keeps Tavrilo and its settings: the tests delete and rewrite those settings.
# Usage: wine-test-prefix.sh BUILD_PREFIX PROGRAM [ARGUMENTS...]
build_prefix=$1
shift
case "${WINEPREFIX:-}" in
"$build_prefix" | "$build_prefix"-*) ;;
*) export WINEPREFIX="$build_prefix" ;;
esac
exec wine "$@"
