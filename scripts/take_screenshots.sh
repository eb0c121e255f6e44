#!/bin/sh
# Takes the pictures of the help pages and the README from the real program under Xvfb:
#   scripts/take_screenshots.sh [display]   (display :99 unless given; run after a build)
# It opens an example as a new user would, takes the drawing, presses F5 and takes the
# answer beside it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
display=${1:-:99}
program=$root/build/default/src/app/kirvolt
example=$root/examples/two_sources.kvt
help=$root/resources/help
work=$(mktemp -d)

Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $openbox $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
openbox=$!
sleep 1
# A fresh settings directory, so that the pictures show the program as installed.
XDG_CONFIG_HOME=$work DISPLAY=$display "$program" "$example" >/dev/null 2>&1 &
app=$!
sleep 3

press() {
    DISPLAY=$display xdotool keydown "$1"
    sleep 0.1
    DISPLAY=$display xdotool keyup "$1"
    sleep 1
}

window=$(DISPLAY=$display xdotool search --sync --pid "$app" --name Kirvolt | head -n 1)
DISPLAY=$display xdotool windowactivate --sync "$window"
sleep 1
import -window root -display "$display" "$work/drawing.png"
press F5
import -window root -display "$display" "$work/results.png"

convert "$work/drawing.png" -crop 900x560+0+0 +repage "$help/drawing.png"
convert "$work/results.png" -crop 1600x560+0+0 +repage -resize 1000x "$help/results.png"
cp "$help/results.png" "$root/docs/screenshot.png"
