#!/bin/sh
# Draws the pictures in docs/ again from the program as built, on a virtual screen:
#   scripts/docs-pictures.sh [PROGRAM [FOLDER]]
# PROGRAM is the picture drawer (by default build/tests/app/app_docs_pictures, built first),
# FOLDER where the pictures go (docs/). The build runs it as the docs_pictures target.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${2:-$root/docs}
if [ -n "${1:-}" ]; then
  program=$1
else
  # Built each time, so that the pictures never come from an older program.
  program=$root/build/tests/app/app_docs_pictures
  cmake --build "$root/build" --target app_docs_pictures
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# A throwaway home and a fixed locale, so that nothing remembered changes a picture.
LC_ALL=C HOME="$work" XDG_CONFIG_HOME="$work" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$work"
# The first page of the reading, at 100 dots per inch (827 pixels across A4).
pdftoppm -r 100 -f 1 -l 1 -singlefile -png "$work/reading-page.pdf" "$work/reading-page"
cp "$work"/*.png "$folder"/
