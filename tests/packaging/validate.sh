#!/usr/bin/env bash
# Checks the installed files and the Debian package with the system's own validators: the menu
# entry, the AppStream metainfo, the manual page, the icons, the package's file list and
# fields, and lintian on the .changes of the source and binary packages (no error, no warning;
# its other findings are printed). The package is built as `make deb` builds it, without its
# tests, which this suite runs anyway.
# usage: validate.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# Runs a validator that must say nothing and succeed.
quiet() {
  local said
  if ! said=$("$@" 2>&1) || [[ -n "$said" ]]; then fail "$*"; echo "$said"; fi
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
quiet desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli"
quiet mandoc -T lint "$prefix/share/man/man6/tarnbrook.6.gz"
for size in 16 24 32 48 64 128 256; do
  shape=$(identify -format '%m %w %h' "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")
  [[ "$shape" == "PNG $size $size" ]] || fail "icon ${size}x$size is $shape"
done

DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
  "$root/scripts/build-package.sh" "$work/deb" "$work" >"$work/build.log" 2>&1 ||
  { fail "the package does not build"; tail -n 40 "$work/build.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/tarnbrook_${version}_$arch.deb
changes=$work/deb/tarnbrook_${version}_$arch.changes
[[ -f "$deb" && -f "$changes" ]] || { fail "no package $deb and $changes"; exit 1; }

expected=$work/expected
{
  echo "drwxr-xr-x ./"
  for folder in usr usr/games usr/lib usr/lib/games usr/lib/games/tarnbrook usr/share \
      usr/share/applications usr/share/doc usr/share/doc/tarnbrook usr/share/games \
      usr/share/games/tarnbrook usr/share/games/tarnbrook/Data usr/share/icons \
      usr/share/icons/hicolor usr/share/man usr/share/man/man6 usr/share/metainfo; do
    echo "drwxr-xr-x ./$folder/"
  done
  for size in 16 24 32 48 64 128 256; do
    echo "drwxr-xr-x ./usr/share/icons/hicolor/${size}x$size/"
    echo "drwxr-xr-x ./usr/share/icons/hicolor/${size}x$size/apps/"
    echo "-rw-r--r-- ./usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  done
  echo "-rwxr-xr-x ./usr/games/tarnbrook"
  echo "-rwxr-xr-x ./usr/lib/games/tarnbrook/tarnbrook"
  for file in applications/$id.desktop doc/tarnbrook/README.md doc/tarnbrook/changelog.gz \
      doc/tarnbrook/copyright games/tarnbrook/Data/Explosion.wav games/tarnbrook/Data/beep.wav \
      games/tarnbrook/Data/terreno27x27.bin man/man6/tarnbrook.6.gz metainfo/$id.metainfo.xml; do
    echo "-rw-r--r-- ./usr/share/$file"
  done
} | sort >"$expected"
dpkg-deb -c "$deb" | awk '$2 == "root/root" {print $1, $6}' | sort >"$work/listed"
diff -u "$expected" "$work/listed" || fail "the package's file list (all root/root)"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Section)" == games ]] || fail "Section: $(field Section)"
[[ "$(field Recommends)" == "alsa-utils, xfonts-base" ]] || fail "Recommends: $(field Recommends)"
[[ "$(field Depends)" == *libc6* && "$(field Depends)" == *libx11-6* ]] || fail "Depends: $(field Depends)"
[[ "$(field Version)" == "$version" ]] || fail "Version: $(field Version)"

echo "lintian $(basename "$changes"):"
lintian --fail-on error,warning --display-info --pedantic "$changes" ||
  fail "lintian found errors or warnings"
exit $((failures > 0))
