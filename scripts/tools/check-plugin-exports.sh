#!/bin/sh
# Checks that the plug-in library exports its five functions by their plain names, as a host
# program looks them up.
dll=$1
[ -f "$dll" ] || { echo "no library at $dll"; exit 1; }
table=$(i686-w64-mingw32-objdump -p "$dll") || exit 1
echo "$table" | grep -q "file format pei-i386" || { echo "$dll is not a 32-bit library"; exit 1; }
for name in WhatKeysDoYouWant EnumerateProgrammableFunction Configure AreYouInFocus HandleKey; do
    echo "$table" | grep -Eq "^[[:space:]]*\[[[:space:]]*[0-9]+\] $name\$" ||
        { echo "$name is not exported by name"; exit 1; }
done
echo "the five functions are exported"
