#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the program, stages a runnable folder
# in dist/ and starts the program there. A venue's data file in dist/ is never
# replaced: the empty template is copied only when none is there.
#   bash tools/setup.sh            set up, build and start
#   bash tools/setup.sh --no-run   set up and build only
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target velbrisk template
dist="$root/dist"
mkdir -p "$dist/Frf" "$dist/Res"
cp -f build/velbrisk "$dist/velbrisk"
cp -f Res/*.jpg Res/*.png Res/*.bmp Res/*.ico "$dist/Res/"
if compgen -G "Frf/*.frf" >/dev/null; then cp -f Frf/*.frf "$dist/Frf/"; fi
cp -f Res/ShortRing.wav "$dist/ShortRing.wav"
cp -f Res/Help.html "$dist/Help.html"
if [ ! -e "$dist/Velbrisk.mdb" ]; then
  cp build/template/Velbrisk.mdb "$dist/Velbrisk.mdb"
  echo "A new, empty data file: $dist/Velbrisk.mdb"
else
  echo "Keeping the data file: $dist/Velbrisk.mdb"
fi
if [ "${1:-}" = "--no-run" ]; then
  exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here: starting the program on a virtual screen (xvfb-run)."
  exec xvfb-run -a "$dist/velbrisk"
fi
exec "$dist/velbrisk"
