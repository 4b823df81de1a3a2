#!/usr/bin/env bash
# Makes the screenshots of the README under Xvfb: the main window after a
# search, the feast calculator ostern and the maintainer's window konvert.
#
#   tools/screenshots.sh [--program PATH] [--out FOLDER]
#
# PATH defaults to the program built in build/, FOLDER to docs/screenshots.
# sippora works in a fresh temporary dictionary folder, so your own is not
# touched. Needs xvfb, openbox, imagemagick and xdotool (installed if missing).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$here/build/app/sippora"
out="$here/docs/screenshots"
inside=no
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --inside) inside=yes; shift ;;
    *) echo "Unbekannte Angabe: $1" >&2; exit 2 ;;
  esac
done

if [ "$inside" = no ]; then
  "$here/tools/install-deps.sh" openbox imagemagick xdotool
  if [ "$program" = "$here/build/app/sippora" ]; then
    cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$here/build" -j2 --target sippora qstrip
  fi
  mkdir -p "$out"
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" --inside --program "$program" --out "$(cd "$out" && pwd)"
fi

work="$(mktemp -d)"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A fixed look: the same fonts and no user settings, whoever runs this.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" LANG=C.UTF-8
mkdir -p "$HOME"
openbox >/dev/null 2>&1 & wm=$!
sleep 1

"$program" --ordner "$work/lexika" >/dev/null 2>&1 & app=$!
main="$(xdotool search --sync --onlyvisible --name '^Ahnora')"
xdotool windowmove --sync "$main" 40 40
xdotool windowactivate --sync "$main" 2>/dev/null
sleep 0.5

# Window shots with their title bar.
shot() {
  sleep 0.8
  import -window "$1" -frame "$out/$2"
  echo "$out/$2"
}

# A search: "pate" in the search box, Enter, then a click on the third hit.
xdotool type --delay 60 "pate"
xdotool key Return
sleep 0.5
xdotool mousemove --window "$main" 60 148 click 1
shot "$main" suche.png

# The feast calculator: typed into the search box, then a year.
xdotool mousemove --window "$main" 100 30 click --repeat 3 1
xdotool type --delay 60 "ostern"
osterwin="$(xdotool search --sync --onlyvisible --name '^Datumsrechner$')"
xdotool windowmove --sync "$osterwin" 720 40
xdotool mousemove --window "$osterwin" 45 33 click 1
xdotool type --delay 60 "1850"
xdotool key Return
shot "$osterwin" ostern.png
xdotool windowclose "$osterwin" 2>/dev/null || xdotool key --window "$osterwin" alt+F4

# The maintainer's conversion and check window.
xdotool windowactivate --sync "$main" 2>/dev/null
xdotool mousemove --window "$main" 100 30 click --repeat 3 1
xdotool type --delay 60 "konv>"
konvwin="$(xdotool search --sync --onlyvisible --name '^konvert$')"
xdotool windowmove --sync "$konvwin" 60 60
xdotool windowactivate --sync "$konvwin"
shot "$konvwin" konvert.png
