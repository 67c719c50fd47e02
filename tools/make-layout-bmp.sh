#!/usr/bin/env bash
# Draws the chart's lay-out key, resources/layout.bmp (912 x 684, one bit
# per pixel): the outlines of the chart's elements at their own coordinates
# with the names of the rows, shapes, rings and grids. The outlines come
# from the chart layout itself (tools/layout_key.cpp, built by the native
# build). Run it when the chart's layout changes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j2 --target layout_key >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/native/tools/layout_key >"$work/key.mvg"
convert -size 912x684 xc:white -draw "$(cat "$work/key.mvg")" -threshold 50% -type bilevel \
  -define bmp:format=bmp3 BMP3:resources/layout.bmp
