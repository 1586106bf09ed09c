#!/usr/bin/env bash
# Compiles the help project in <project folder> (its .hhp, pages, contents and index) into
# <output .chm> with chmcmd.
#
# chmcmd writes the page of every context of the project's [ALIAS] as the absolute path it
# read the page from (/home/.../main.htm), which names nothing inside the help file, so no
# context would open its page. It runs therefore in a private root whose top holds a copy of
# the project: the absolute path of a page is then its path in the help file (/main.htm). The
# private root needs only the user and mount namespaces of an ordinary Linux.
set -euo pipefail
project=$(cd "$1" && pwd)
output=$2
hhp=$(cd "$project" && ls ./*.hhp)
chmcmd=$(readlink -f "$(command -v chmcmd)")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$project"/* "$stage"/
# The compiler's own files: /usr and the library folders (links to it on a merged /usr).
mounts=""
for dir in usr lib lib64; do
    [ -e "/$dir" ] || continue
    if [ -L "/$dir" ]; then
        ln -s "$(readlink "/$dir")" "$stage/$dir"
    else
        mkdir "$stage/$dir"
        mounts="$mounts $dir"
    fi
done
unshare --user --map-root-user --mount sh -c '
    stage=$1; chmcmd=$2; hhp=$3; shift 3
    for dir in "$@"; do mount --rbind "/$dir" "$stage/$dir" || exit 1; done
    cd "$stage" && exec chroot "$stage" "$chmcmd" "/$hhp"' \
    build-help "$stage" "$chmcmd" "${hhp#./}" $mounts >"$stage/chmcmd.log" 2>&1 ||
    { cat "$stage/chmcmd.log" >&2; exit 1; }
compiled=$(sed -n 's/^Compiled file=//p' "$stage/${hhp#./}" | tr -d '\r')
[ -f "$stage/$compiled" ] || { cat "$stage/chmcmd.log" >&2; echo "build-help: no $compiled" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
mv "$stage/$compiled" "$output"
