#!/usr/bin/env bash
# The release checks of the Debian package, one line each, as CI runs them after `make matrix`:
#   deps          what the checks need (scripts/install-deps.sh release)
#   build         dpkg-buildpackage -us -uc in a fresh clone: source and binary packages, with
#                 the unit, display and end-to-end tests run during the build
#   hardening     hardening-check: PIE, stack protector, fortify, relro, immediate binding
#   lintian       lintian --fail-on error,warning on the .changes (source and binary)
#   make-deb      `make deb` (without tests) in a second clone elsewhere, later, umask 077
#   reproducible  both builds' .deb files byte for byte (diffoscope's report when not)
#   clean-root    the source package built, tests included, in a fresh Debian 13 root holding
#                 only build-essential and the Build-Depends
#   autopkgtest   that .deb installed with apt-get into a fresh Debian 13 root, debian/tests run
#                 there against it (the last one purges it)
#   i386          `make deb ARCH=i386`, installed into a Debian 13 root (multiarch) and started
#                 by debian/tests/installed-game
#   arm64         `make deb ARCH=arm64`, its program started under qemu-aarch64 -L / and closed
#   make-install  `make install PREFIX=...` with a packager's flags from the environment
# Needs root. Logs and builds go under build/release-check (the Debian roots beside the others
# of scripts/debian-root.sh, removed at the end). Naming checks runs only those, on what the
# last run left (e.g. `release-check.sh clean-root autopkgtest` after a full run).
# usage: release-check.sh [CHECK...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/release-check
debian_root=$root/scripts/debian-root.sh
[[ $(id -u) -eq 0 ]] || { echo "release-check: needs root (it builds in Debian roots)" >&2; exit 1; }

logs=$work/logs
one=$work/one/tarnbrook                        # the first clone: dpkg-buildpackage
two=$work/two/somewhere/else/entirely/tarnbrook # the second: make deb, the cross-builds
# Never under build/: `make clean` must not meet a root that still has /dev bound in it.
roots=${TARNBROOK_ROOTS:-/var/cache/tarnbrook/roots}/release-check
build_root=$roots/build
test_root=$roots/test
native=$(dpkg --print-architecture)
version=""
selected=("$@")

cleanup() {
  local dir
  for dir in "$build_root" "$test_root"; do
    if [[ -e $dir ]]; then "$debian_root" remove "$dir"; fi
  done
}
trap cleanup EXIT
if [[ ${#selected[@]} -eq 0 ]]; then
  cleanup
  rm -rf --one-file-system "$work"
fi
mkdir -p "$logs"

failures=0 ran=0
started=$(date +%s)
# check NAME FUNCTION: runs the function with its output in logs/NAME.log; it leaves its one-line
# summary in $work/said. A failure prints the end of the log.
check() {
  local name=$1 begun status
  shift
  if [[ ${#selected[@]} -gt 0 && " ${selected[*]} " != *" $name "* ]]; then return 0; fi
  ran=$((ran + 1))
  begun=$(date +%s)
  : >"$work/said"
  # Not under || : that would switch off set -e inside.
  set +e
  ( set -euo pipefail; "$@" ) >"$logs/$name.log" 2>&1
  status=$?
  set -e
  local took=$(($(date +%s) - begun))
  if [[ $status -eq 0 ]]; then
    printf 'ok    %-13s %s (%ss)\n' "$name" "$(cat "$work/said")" "$took"
  else
    failures=$((failures + 1))
    printf 'FAIL  %-13s %s (%ss; log: %s)\n' "$name" "$(cat "$work/said")" "$took" "$logs/$name.log"
    tail -n 40 "$logs/$name.log" | sed 's/^/      | /'
  fi
}
say() { echo "$*" >"$work/said"; }

# A fresh clone of the commit checked out here (outside git, a copy of the sources).
clone() {
  local dest=$1
  rm -rf "$dest"
  mkdir -p "$(dirname "$dest")"
  if git -C "$root" rev-parse --verify -q HEAD >/dev/null 2>&1; then
    git clone -q --no-checkout "$root" "$dest"
    git -C "$dest" checkout -q --detach "$(git -C "$root" rev-parse HEAD)"
  else
    "$root/scripts/export-sources.sh" "$dest"
  fi
}

# COMMAND inside a Debian root, where /tmp/.X11-unix is made private: an X server started in
# the root must not take a display socket of the machine's. Inside a chroot / is no mount
# point, so only the bound folder is made private before an empty one goes over it.
in_root() {
  local dir=$1
  shift
  "$debian_root" run "$dir" unshare --mount --propagation unchanged sh -c '
    if mountpoint -q /tmp/.X11-unix; then mount --make-private /tmp/.X11-unix; fi
    mkdir -p /tmp/.X11-unix && mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix && exec "$@"' sh "$@"
}
apt_in() { local dir=$1; shift; "$debian_root" run "$dir" apt-get -q -y -o DPkg::Lock::Timeout=600 "$@"; }
packages_in() { chroot "$1" dpkg-query -W -f '${Package}\n' | wc -l; }
# Waits for a file that a job in the background leaves, for at most $2 seconds.
wait_file() {
  local i
  for ((i = 0; i < $2 * 10; i++)); do [[ -e $1 ]] && return 0; sleep 0.1; done
  return 1
}

deps() {
  "$root/scripts/install-deps.sh" release
  say "installed what the checks need"
}

# The clean root gets its packages while the first build runs: only build-essential and the
# Build-Depends of that clone's debian/control (what apt-get build-dep reads in the .dsc too).
prepare_build_root() {
  "$debian_root" copy trixie "$build_root"
  packages_in "$build_root" >"$work/build-root.before"
  mkdir -p "$build_root/build/control/debian"
  cp "$one/debian/control" "$build_root/build/control/debian/"
  "$debian_root" run "$build_root" sh -c 'cd /build/control && apt-get -q -y build-dep ./'
}
# In the background; it leaves build-root.done with its status.
start_build_root() {
  rm -f "$work/build-root.done"
  ( set +e; ( set -e; prepare_build_root ); echo $? >"$work/build-root.done" ) \
    >"$logs/clean-root-packages.log" 2>&1 &
}

build_one() {
  umask 022
  clone "$one"
  start_build_root
  (cd "$one" && dpkg-buildpackage -us -uc "-J$(nproc)")
  local passed
  passed=$(grep -E '^[0-9]+% tests passed' "$logs/build.log" | tail -n 1)
  [[ -n $passed ]] || { say "no test ran during the build"; return 1; }
  say "dpkg-buildpackage -us -uc in a fresh clone: $(cd "$work/one" && ls tarnbrook_*.dsc tarnbrook*.deb | paste -sd' ') - $passed"
}

hardening() {
  local x=$work/one/extracted report
  rm -rf "$x"
  dpkg-deb -x "$work/one/tarnbrook_${version}_$native.deb" "$x"
  # The five protections that dpkg-buildflags' hardening=+all gives on Debian 12; branch
  # protection (control flow integrity) joins them from Debian 13's dpkg on.
  report=$(hardening-check --nocfprotection "$x/usr/lib/games/tarnbrook/tarnbrook") ||
    { echo "$report"; say "not every protection is there"; return 1; }
  echo "$report"
  say "$(sed -n 's/^ \([^:]*\): yes.*/\1/p' <<<"$report" | paste -sd, | sed 's/,/, /g'): yes"
}

lintian_check() {
  local changes=$work/one/tarnbrook_${version}_$native.changes tags
  lintian --fail-on error,warning --display-info --pedantic --display-experimental \
    --tag-display-limit 0 "$changes" | tee "$work/lintian.txt" ||
    { say "errors or warnings: $(cut -d' ' -f3 "$work/lintian.txt" | sort -u | paste -sd' ')"; return 1; }
  tags=$(sed -E 's/^([A-Z]): [^:]+: ([^ ]+).*/\1: \2/' "$work/lintian.txt" | sort -u | paste -sd, |
    sed 's/,/, /g')
  say "no error or warning on $(basename "$changes")${tags:+; left: $tags}"
}

make_deb() {
  umask 077
  clone "$two"
  DEB_BUILD_OPTIONS=nocheck make -C "$two" deb
  say "make deb (nocheck) in $two, umask 077"
}

reproducible() {
  local name a b differ=0 sums=()
  for name in "tarnbrook_${version}_$native.deb" "tarnbrook-dbgsym_${version}_$native.deb"; do
    a=$work/one/$name
    b=$two/build/deb/$native/$name
    if cmp -s "$a" "$b"; then
      sums+=("$name $(sha256sum <"$a" | cut -c1-64)")
    else
      differ=1
      # The whole report can run to many thousand lines (disassembly): its beginning is shown.
      diffoscope --text "$work/diffoscope-$name.txt" "$a" "$b" || true
      echo "$name differs between the two builds; diffoscope's report begins:"
      head -n 36 "$work/diffoscope-$name.txt"
    fi
  done
  if [[ $differ -eq 1 ]]; then
    say "the two builds differ; diffoscope's reports: $work/diffoscope-*.txt"
    return 1
  fi
  printf '%s\n' "${sums[@]}"
  say "identical in both builds: ${sums[*]}"
}

clean_root() {
  [[ -d $build_root ]] || start_build_root
  wait_file "$work/build-root.done" 1200 || true
  cat "$logs/clean-root-packages.log"
  [[ $(cat "$work/build-root.done" 2>/dev/null) == 0 ]] ||
    { say "the root did not get its build dependencies"; return 1; }
  cp "$work/one/tarnbrook_$version.dsc" "$work/one/tarnbrook_$version.tar.xz" "$build_root/build/"
  # Whatever the .dsc asks for beyond the clone's control file would be installed here.
  apt_in "$build_root" build-dep "/build/tarnbrook_$version.dsc"
  local added=$(($(packages_in "$build_root") - $(cat "$work/build-root.before")))
  in_root "$build_root" sh -c "cd /build && dpkg-source -x tarnbrook_$version.dsc source &&
    cd source && dpkg-buildpackage -us -uc -J$(nproc)"
  local passed
  passed=$(grep -E '^[0-9]+% tests passed' "$logs/clean-root.log" | tail -n 1)
  [[ -n $passed && -f $build_root/build/tarnbrook_${version}_$native.deb ]] ||
    { say "no package, or no test ran"; return 1; }
  cp "$build_root/build/tarnbrook_${version}_$native.deb" "$work/clean-root.deb"
  say "built in Debian $(cat "$build_root/etc/debian_version") holding only build-essential and the Build-Depends ($added packages added to minbase) - $passed"
}

# One line per test of a debian/tests/control: name, Depends, Restrictions (tab-separated).
test_stanzas() {
  awk 'BEGIN { RS = ""; FS = "\n" }
  {
    delete field; key = ""
    for (i = 1; i <= NF; i++) {
      if ($i ~ /^#/) continue
      if ($i ~ /^[ \t]/) { field[key] = field[key] " " $i; continue }
      key = tolower(substr($i, 1, index($i, ":") - 1))
      field[key] = substr($i, index($i, ":") + 1)
    }
    deps = field["depends"]; gsub(/,/, " ", deps); gsub(/[ \t]+/, " ", deps)
    rest = field["restrictions"]; gsub(/,/, " ", rest); gsub(/[ \t]+/, " ", rest)
    n = split(field["tests"], tests, /[ \t,]+/)
    for (t = 1; t <= n; t++) if (tests[t] != "") print tests[t] "\t" deps "\t" rest
  }' "$1"
}

# Runs debian/tests in ROOT against the installed package as autopkgtest does: each stanza's
# Depends installed with apt-get, each test started in the unpacked source tree with a fresh
# AUTOPKGTEST_TMP, failing on a non-zero status or, without allow-stderr, on output to stderr.
# (autopkgtest itself, on the one runner that fits a chroot, would skip the purge test: that
# runner cannot restore the testbed that the test breaks.)
run_package_tests() {
  local dir=$1 only=${2:-} name depends restrictions results=() status
  while IFS=$'\t' read -r name depends restrictions; do
    [[ -n $only && $name != "$only" ]] && continue
    # shellcheck disable=SC2086
    [[ -n ${depends// /} ]] && apt_in "$dir" install ${depends//@/tarnbrook}
    status=0
    in_root "$dir" sh -c "cd /build/source && tmp=\$(mktemp -d) &&
      AUTOPKGTEST_TMP=\$tmp debian/tests/$name 2>/build/stderr" || status=$?
    if [[ $status -ne 0 ]]; then
      results+=("$name FAILED (status $status)")
    elif [[ -s $dir/build/stderr && $restrictions != *allow-stderr* ]]; then
      results+=("$name FAILED (stderr: $(head -c 300 "$dir/build/stderr"))")
    else
      results+=("$name passed")
    fi
    cat "$dir/build/stderr"
  done < <(test_stanzas "$root/debian/tests/control")
  [[ ${#results[@]} -gt 0 ]] || results=("no test named ${only:-in debian/tests/control}")
  say "${results[*]}"
  [[ ${results[*]} == *passed* && ${results[*]} != *FAILED* ]]
}

# A fresh Debian 13 root holding the source tree that the tests start in.
fresh_test_root() {
  "$debian_root" copy trixie "$test_root"
  mkdir -p "$test_root/build/source"
  tar -C "$test_root/build/source" --strip-components=1 -xf "$work/one/tarnbrook_$version.tar.xz"
}

autopkgtest_check() {
  local deb=$work/clean-root.deb said
  [[ -f $deb ]] || { say "no package from the clean root"; return 1; }
  fresh_test_root
  cp "$deb" "$test_root/build/tarnbrook_${version}_$native.deb"
  apt_in "$test_root" install "/build/tarnbrook_${version}_$native.deb"
  run_package_tests "$test_root" || { said=$(cat "$work/said"); say "$said"; return 1; }
  said=$(cat "$work/said")
  say "apt-get install ./tarnbrook_${version}_$native.deb (from the clean root) into Debian 13, then debian/tests: $said"
}

# Starts a program through an emulator (COMMAND... ending with the program) in a new folder
# holding links to the data files in DATA, as the launcher makes it, on a private Xvfb. Its window
# must show with the game's class and title, and YES to a close request must end it with 0.
play_emulated() {
  local data=$1 play f
  shift
  play=$(mktemp -d "$work/play.XXXXXX")
  mkdir -p "$play/Data"
  for f in terreno27x27.bin beep.wav Explosion.wav; do ln -s "$data/$f" "$play/Data/$f"; done
  # shellcheck source=start-xvfb.sh
  source "$root/scripts/start-xvfb.sh"
  start_xvfb 24
  (cd "$play" && exec "$@") >"$play/out" 2>&1 &
  emulated=$!
  trap 'kill "$emulated" 2>/dev/null; stop_xvfb' EXIT
  local window="" box="" title status=0 i
  for ((i = 0; i < 600; i++)); do
    window=$(xdotool search --onlyvisible --classname '^Tarnbrook\.exe$' 2>/dev/null | head -n 1) || true
    [[ -z $window ]] && kill -0 "$emulated" 2>/dev/null || break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "no window of class Tarnbrook.exe"; return 1; }
  title=$(xdotool getwindowname "$window")
  [[ $title == "Tarnbrook - "* ]] || { echo "window title '$title'"; return 1; }
  "$root/debian/tests/send-close-request" "$window"
  for ((i = 0; i < 600; i++)); do
    box=$(xdotool search --onlyvisible --name '^Exit$' 2>/dev/null | head -n 1) || true
    [[ -z $box ]] || break
    sleep 0.1
  done
  [[ -n $box ]] || { echo "no exit question"; return 1; }
  xdotool mousemove --window "$box" 5 5 key Tab Return
  for ((i = 0; i < 600; i++)); do
    kill -0 "$emulated" 2>/dev/null || break
    sleep 0.1
  done
  wait "$emulated" || status=$?
  [[ $status -eq 0 ]] || { echo "ended with status $status"; return 1; }
  [[ ! -e $play/log.txt ]] || { echo "it reported trouble:"; cat "$play/log.txt"; return 1; }
  echo "its window '$title' of class Tarnbrook.exe showed, and YES to a close request ended it with 0"
}

i386_check() {
  make -C "$two" deb ARCH=i386
  local deb=tarnbrook_${version}_i386.deb arch said tried
  # After the purge of the autopkgtest, or anew.
  [[ -d $test_root/build/source ]] || fresh_test_root
  cp "$two/build/$deb" "$test_root/build/"
  "$debian_root" run "$test_root" dpkg --add-architecture i386
  apt_in "$test_root" update
  apt_in "$test_root" install "/build/$deb"
  arch=$(chroot "$test_root" dpkg-query -W -f '${Architecture}' tarnbrook)
  [[ $arch == i386 ]] || { say "the installed package is for $arch"; return 1; }
  file "$test_root/usr/lib/games/tarnbrook/tarnbrook"
  said=$(in_root "$test_root" /usr/games/tarnbrook --version)
  [[ $said == "tarnbrook $version" ]] || { say "the installed launcher says '$said'"; return 1; }
  # Natively through debian/tests where the kernel runs 32-bit programs; a kernel without them
  # (this sandbox's) refuses the program, which then starts under qemu-i386 from the root.
  tried=$(in_root "$test_root" sh -c 'cd "$(mktemp -d)" && unset DISPLAY && exec /usr/lib/games/tarnbrook/tarnbrook' 2>&1 || true)
  echo "started without a display: $tried"
  if [[ $tried != *"Exec format error"* ]]; then
    run_package_tests "$test_root" installed-game || { said=$(cat "$work/said"); say "$said"; return 1; }
    said=$(cat "$work/said")
    say "cross-built $deb, installed with apt-get into Debian 13 beside amd64 (multiarch), started natively: $said"
  else
    said=$(play_emulated "$test_root/usr/share/games/tarnbrook/Data" \
      qemu-i386 -L "$test_root" "$test_root/usr/lib/games/tarnbrook/tarnbrook") ||
      { echo "$said"; say "under qemu-i386: $said"; return 1; }
    say "cross-built $deb, installed with apt-get into Debian 13 beside amd64 (multiarch); this kernel runs no 32-bit program, so started as installed under qemu-i386 -L root: $said"
  fi
}

arm64_check() {
  make -C "$two" deb ARCH=arm64
  local deb=$two/build/tarnbrook_${version}_arm64.deb x=$work/arm64 said
  rm -rf "$x"
  dpkg-deb -x "$deb" "$x"
  file "$x/usr/lib/games/tarnbrook/tarnbrook" | tee "$work/arm64-file"
  grep -q 'ARM aarch64' "$work/arm64-file" || { say "the program is no arm64 program"; return 1; }
  # The launcher cannot start a foreign program without binfmt_misc: qemu does, with the
  # arm64 libraries installed beside this machine's.
  said=$(play_emulated "$x/usr/share/games/tarnbrook/Data" \
    qemu-aarch64 -L / "$x/usr/lib/games/tarnbrook/tarnbrook") ||
    { echo "$said"; say "under qemu-aarch64: $said"; return 1; }
  say "cross-built $(basename "$deb"); under qemu-aarch64 -L / $said"
}

make_install() {
  local prefix=$work/prefix flags=(-O2 -fstack-protector-strong) said
  rm -rf "$prefix"
  env CPPFLAGS=-D_FORTIFY_SOURCE=2 CFLAGS="${flags[*]}" CXXFLAGS="${flags[*]}" \
    LDFLAGS="-Wl,-z,relro -Wl,-z,now" make -C "$two" install PREFIX="$prefix"
  hardening-check --nocfprotection "$prefix/lib/games/tarnbrook/tarnbrook" ||
    { say "the environment's flags did not reach the program"; return 1; }
  # The C sources (the built-in pictures) get CPPFLAGS and CFLAGS too.
  if grep '"command".*\.bmp\.c' "$two/build/release/compile_commands.json" |
    grep -v -e '-D_FORTIFY_SOURCE=2 -O2 -fstack-protector-strong'; then
    say "a C source was compiled without CPPFLAGS and CFLAGS"
    return 1
  fi
  said=$("$prefix/games/tarnbrook" --version)
  [[ $said == "tarnbrook $version" ]] || { say "the installed launcher says '$said'"; return 1; }
  say "make install PREFIX=$prefix with CPPFLAGS, CFLAGS, CXXFLAGS and LDFLAGS in the environment: hardening-check yes, C and C++ compiled with them, its launcher says '$said'"
}

if [[ -n $(git -C "$root" status --porcelain 2>/dev/null) ]]; then
  echo "note: the clones check commit $(git -C "$root" rev-parse --short HEAD); changes not committed are not part of it"
fi
check deps deps
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
check build build_one
check hardening hardening
check lintian lintian_check
check make-deb make_deb
check reproducible reproducible
check clean-root clean_root
check autopkgtest autopkgtest_check
check i386 i386_check
check arm64 arm64_check
check make-install make_install
echo "release-check took $(($(date +%s) - started)) s"
# Alone on its line, as CI reads a closing count.
echo "release-check: $((ran - failures)) passed, $failures failed"
exit $((failures > 0))
