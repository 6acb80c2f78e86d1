#!/usr/bin/env bash
# Copies the repository's sources into DEST as a clone would hold them: the files git knows
# and new ones it does not ignore, so build outputs and the game's run-time files stay out.
# Outside a git checkout, everything but build/.
# usage: export-sources.sh DEST
set -euo pipefail
dest=${1:?usage: export-sources.sh DEST}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$dest"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Tracked files deleted in the work tree are left out, as a commit of it would.
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    (cd "$root" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] || [ -L "$f" ] && printf "%s\0" "$f"; done' sh) |
    tar -C "$root" --null -T - -cf - | tar -C "$dest" -xf -
else
  tar -C "$root" --exclude=./build -cf - . | tar -C "$dest" -xf -
fi
