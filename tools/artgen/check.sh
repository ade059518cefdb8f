#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws every picture into a scratch folder and compares each with the committed one
# (the same within the rounding of another processor's drawing):
#   check.sh ARTGEN SOURCE-FOLDER
set -u
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/resources/images" "$out/Skins"
"$1" "$out" || exit 1
status=0
# The pictures with text (the skins' backgrounds, the about picture) depend on the fonts:
# where this system's fonts are not the ones they were drawn with, only the others are
# compared.
same_fonts=yes
if ! cmp -s "$out/tools/artgen/fonts.txt" "$2/tools/artgen/fonts.txt"; then
    same_fonts=no
    echo "the pictures with text were drawn with other fonts; compared: those without text"
    diff "$2/tools/artgen/fonts.txt" "$out/tools/artgen/fonts.txt"
fi
for f in $(cd "$out" && find . -type f | sort); do
    case "$same_fonts:$f" in
    no:./Skins/*/Back* | no:./Skins/*/*/Back* | no:./Skins/*/*/*/Back* | \
        no:./resources/images/about* | no:./tools/artgen/fonts.txt) continue ;;
    esac
    if ! "$1" --same "$out/$f" "$2/$f"; then
        echo "differs from the committed picture: $f (run korvane5-artgen on the source folder)"
        status=1
    fi
done
exit $status
