#!/usr/bin/env bash
# Starts the game from the repository root, where Data/ is. Without a display it runs the game
# on a private virtual X server, saves a screenshot of its window under build/ and ends both.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
cd "$root"

if [[ -n "${DISPLAY:-}" ]]; then
  exec "$binary"
fi

echo "No \$DISPLAY: starting the game on a private virtual X server to take a screenshot."
source "$root/scripts/start-xvfb.sh"
start_xvfb 24
"$binary" &
game=$!
stop_all() {
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  stop_xvfb
}
trap stop_all EXIT

window=""
for _ in $(seq 100); do
  kill -0 "$game" 2>/dev/null || break
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Tarnbrook/ {print $1; exit}')
  [[ -n "$window" ]] && break
  sleep 0.1
done

if [[ -z "$window" ]]; then
  if wait "$game"; then status=0; else status=$?; fi
  echo "The game showed no window (it ended with status $status); there is no screenshot to take."
  exit 0
fi

shot="$root/build/tarnbrook-screenshot.png"
mkdir -p "$root/build"
# The ticker's label, painted last, turns the row below the blue top bar blue: the first paint
# is then complete.
for _ in $(seq 50); do
  pixel=$(/usr/bin/import -window "$window" -crop 1x1+400+25 txt:- 2>/dev/null | tail -n 1 || true)
  [[ "$pixel" == *"#0000FF"* ]] && break
  sleep 0.1
done
/usr/bin/import -window "$window" "$shot"
echo "Screenshot of the game window: $shot"
