#!/usr/bin/env bash
# Compiles the help project in <project folder> (its .hhp, pages, contents and index) into
# <output .chm> with chmcmd.
#
# chmcmd writes the page of every context of the project's [ALIAS] as the absolute path it
# read the page from (/home/.../main.htm), which names nothing inside the help file, so no
# context would open its page. It runs therefore in a private root whose top holds a copy of
# the project: the absolute path of a page is then its path in the help file (/main.htm). The
# root holds the compiler and the C libraries it loads and nothing else, so entering it takes
# no mounts: an unprivileged user namespace where the system has them, root's own chroot
# otherwise.
set -euo pipefail
project=$(cd "$1" && pwd)
output=$2
hhp=$(cd "$project" && ls ./*.hhp)
hhp=${hhp#./}
chmcmd=$(readlink -f "$(command -v chmcmd)")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$project"/* "$stage"/
cp "$chmcmd" "$stage/chmcmd"

# The libraries it links, and the thread and loader libraries beside the C library, which the
# compiler's run-time opens by name when it starts.
copy_library() {
    mkdir -p "$stage$(dirname "$1")"
    cp -L "$1" "$stage$1"
}
libc=""
for lib in $(ldd "$chmcmd" | grep -o '/[^ ]*'); do
    copy_library "$lib"
    case $lib in */libc.so.*) libc=$lib ;; esac
done
for name in libpthread.so.0 libdl.so.2; do
    [ -n "$libc" ] && [ -e "$(dirname "$libc")/$name" ] && copy_library "$(dirname "$libc")/$name"
done

compile() { cd "$stage" && "$@" chroot "$stage" /chmcmd "/$hhp" >"$stage/chmcmd.log" 2>&1; }
if ! (compile unshare --user --map-root-user); then
    [ "$(id -u)" -eq 0 ] && (compile) || {
        cat "$stage/chmcmd.log" >&2
        echo "build-help: cannot enter a private root (no user namespaces, not root)" >&2
        exit 1
    }
fi
compiled=$(sed -n 's/^Compiled file=//p' "$stage/$hhp" | tr -d '\r')
[ -f "$stage/$compiled" ] || { cat "$stage/chmcmd.log" >&2; echo "build-help: no $compiled" >&2; exit 1; }
mkdir -p "$(dirname "$output")"
mv "$stage/$compiled" "$output"
