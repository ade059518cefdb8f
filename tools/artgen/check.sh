#!/bin/sh
# Draws every picture into a scratch folder and compares each with the committed one
# (the same within the rounding of another processor's drawing):
#   check.sh ARTGEN SOURCE-FOLDER
set -u
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
mkdir -p "$out/resources/images" "$out/Skins"
"$1" "$out" || exit 1
status=0
for f in $(cd "$out" && find . -type f | sort); do
    if ! "$1" --same "$out/$f" "$2/$f"; then
        echo "differs from the committed picture: $f (run korvane5-artgen on the source folder)"
        status=1
    fi
done
exit $status
