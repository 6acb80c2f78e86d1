#!/usr/bin/env bash
# The portability matrix: the suite on Debian 13, with clang, on a 32-bit and on two foreign
# machines (one big-endian) under qemu-user. One line per target: compiler, warnings, passed/failed
# per tier, minutes. Logs go to build/matrix/. Needs root on a Debian 12 (or 13) amd64 machine.
# usage: matrix.sh [TARGET...]   targets: debian13 clang i386 arm64 s390x (default: all)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/matrix
jobs=$(nproc)
mkdir -p "$out"

# Under qemu user mode a failed exec cannot be reported (the clone that posix_spawn relies on is
# emulated as a plain fork), and the installed launcher starts the program itself, which needs
# binfmt_misc, absent here. These tests run natively on every other target.
emulation_skips=(
  "Command.StartProgramReportsAProgramThatCannotStart|qemu-user cannot report a failed exec from posix_spawn"
  "InstalledGame.EachUserPlaysInAFolderOfTheirOwnAndTheInstallStaysAsItWas|the installed launcher execs the foreign program, and this machine has no binfmt_misc"
  "InstalledGame.TheLauncherRefusesWhatItCannotDoAndKeepsWhatTheUserHas|the installed launcher execs the foreign program, and this machine has no binfmt_misc"
)
# The screens of the big-endian game, compared pixel for pixel with the pictures amd64 passes.
screen_tests=(MainWindow.HasItsPropertiesAndShowsEveryPartInItsPlace
              MainWindowInProcess.InfoOpensOneAboutBox)

# "gcc-12.2.0" or "clang-19.1.7", as CMake found the compiler of a build folder.
compiler_of() {
  local file
  file=$(ls "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -n 1)
  [[ -n $file ]] || { echo "?"; return; }
  sed -n -e 's/^set(CMAKE_CXX_COMPILER_ID "\(.*\)")/\1/p' -e 's/^set(CMAKE_CXX_COMPILER_VERSION "\(.*\)")/\1/p' "$file" |
    paste -sd- | sed 's/^GNU/gcc/; s/^Clang/clang/'
}
host_release="Debian $(. /etc/os-release && echo "$VERSION_ID")"

minutes_since() { awk -v s="$1" -v e="$(date +%s)" 'BEGIN{printf "%.1f", (e - s) / 60}'; }
# Compiler diagnostics only (file:line:column:), not the notices of package installs.
count_warnings() { grep -c -E '^[^ ]+:[0-9]+:[0-9]+: (warning|error): ' "$1" 2>/dev/null || true; }

# "passed/failed" of the tests of one label, read from a ctest log of the build folder; inside a
# root when one is given (the build's test files name the root's own paths).
tier_result() {
  local build=$1 log=$2 label=$3 chroot_dir=${4:-} names passed=0 failed=0 name
  names=$(${chroot_dir:+chroot "$chroot_dir"} sh -c "cd '$build' && ctest -N -L '^$label\$'" 2>/dev/null |
    sed -n 's/^ *Test *#[0-9]*: //p')
  local runs ok
  while read -r name; do
    [[ -n $name ]] || continue
    runs=$(grep -cE "Test +#[0-9]+: $name \.+ " "$log")
    ok=$(grep -cE "Test +#[0-9]+: $name \.+ +Passed" "$log")
    passed=$((passed + ok))
    failed=$((failed + runs - ok))
  done <<<"$names"
  echo "$label $passed/$failed"
}

# The targets run in two lanes at once, so each line goes to the summary as well.
report() {
  local target=$1 compiler=$2 warnings=$3 tiers=$4 started=$5 status=$6
  printf '%-16s %-13s warnings %-3s %s  %s min%s\n' "$target" "$compiler" "$warnings" "$tiers" \
    "$(minutes_since "$started")" "$([[ $status -eq 0 ]] || echo '  FAILED')" | tee -a "$out/summary"
}

# Configures and builds into a folder; the log keeps every compiler message.
build() {
  local dir=$1 log=$2
  shift 2
  { cmake -S "$root" -B "$dir" -DTARNBROOK_WERROR=ON "$@" && cmake --build "$dir" -j "$jobs"; } \
    >"$log" 2>&1
}

# The unit, display and end-to-end tiers of a build, on a private Xvfb.
run_tiers() {
  local dir=$1 log=$2
  shift 2
  "$root/scripts/run-tests.sh" "$dir" -LE package "$@" >"$log" 2>&1
}

tiers_of() {
  local dir=$1 log=$2 chroot_dir=${3:-}
  echo "$(tier_result "$dir" "$log" unit "$chroot_dir")  $(tier_result "$dir" "$log" display "$chroot_dir")" \
       " $(tier_result "$dir" "$log" e2e "$chroot_dir")"
}

# Debian 13: the whole of `make test` inside a Debian 13 root, then clang plain and sanitized
# there too (clang of the newer release is the stricter).
trixie_root() { "$root/scripts/debian-root.sh" keep trixie trixie-matrix 2>>"$out/trixie-root.log"; }

# The work tree as git sees it (committed or not, nothing ignored), without the builds.
copy_tree_into() {
  local dest=$1
  rm -rf "$dest"
  mkdir -p "$dest"
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     tar --null -T - -cf - --ignore-failed-read) | tar -xf - -C "$dest"
}

target_debian13() {
  local started dir status=0 log=$out/debian13.log
  started=$(date +%s)
  dir=$(trixie_root) || { report debian13-amd64 gcc - "no root (see $out/trixie-root.log)" "$started" 1; return; }
  copy_tree_into "$dir/src/tarnbrook"
  # As on a new machine: make is there to type the command, the rest make test installs.
  "$root/scripts/debian-root.sh" run "$dir" bash -c \
    'apt-get install -qq -y make >/dev/null && cd /src/tarnbrook && make test' >"$log" 2>&1 ||
    status=$?
  local tiers
  tiers="$(tiers_of /src/tarnbrook/build/test "$log" "$dir") (sanitized and plain, package too)"
  report debian13-amd64 "$(compiler_of "$dir/src/tarnbrook/build/test")" "$(count_warnings "$log")" "$tiers" "$started" "$status"
}

target_clang() {
  local started dir status=0 variant
  dir=$(trixie_root) || { report clang - - "no root" "$(date +%s)" 1; return; }
  "$root/scripts/debian-root.sh" run "$dir" bash -c \
    'cd /src/tarnbrook && scripts/install-deps.sh test && scripts/install-deps.sh clang' \
    >"$out/clang-deps.log" 2>&1
  for variant in plain sanitized; do
    started=$(date +%s)
    status=0
    local flags="-DCMAKE_BUILD_TYPE=Debug -DTARNBROOK_WERROR=ON"
    [[ $variant == sanitized ]] && flags+=" -DTARNBROOK_SANITIZE=ON"
    local build=build/clang-$variant log=$out/clang-$variant
    "$root/scripts/debian-root.sh" run "$dir" env CC=clang CXX=clang++ bash -c \
      "cd /src/tarnbrook && cmake -S . -B $build $flags && cmake --build $build -j $jobs" \
      >"$log-build.log" 2>&1 || status=$?
    if [[ $status -eq 0 ]]; then
      "$root/scripts/debian-root.sh" run "$dir" bash -c \
        "cd /src/tarnbrook && scripts/run-tests.sh $build -LE package" >"$log-tests.log" 2>&1 ||
        status=$?
    fi
    report "clang-$variant" "$(compiler_of "$dir/src/tarnbrook/$build")" "$(count_warnings "$log-build.log")" \
      "$(tiers_of "/src/tarnbrook/$build" "$log-tests.log" "$dir")" "$started" "$status"
  done
}

# A foreign architecture: cross-built with Debian's cross compiler against multiarch libraries.
target_cross() {
  local arch=$1 started status=0
  local dir=$out/$arch log=$out/$arch
  started=$(date +%s)
  "$root/scripts/install-deps.sh" "cross-$arch" >"$log-deps.log" 2>&1 || status=$?
  [[ $status -eq 0 ]] && { build "$dir" "$log-build.log" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/CrossToolchain.cmake" -DTARNBROOK_ARCH="$arch" || status=$?; }
  local skip=() note=""
  if [[ $arch == i386 ]] && /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
    note="  natively"
  elif [[ $status -eq 0 ]]; then
    note="  under qemu-user"
    local entry names=""
    for entry in "${emulation_skips[@]}"; do
      echo "  $arch: skipped under emulation: ${entry%%|*} (${entry#*|})"
      names+="${names:+|}${entry%%|*}"
    done
    skip=(-E "^(${names//./\\.})\$")
  fi
  [[ $status -eq 0 ]] && { run_tiers "$dir" "$log-tests.log" "${skip[@]}" || status=$?; }
  if [[ $arch == s390x && $status -eq 0 ]]; then
    local test same=1
    for test in "${screen_tests[@]}"; do
      grep -qE "Test +#[0-9]+: $test \.+ +Passed" "$log-tests.log" || same=0
    done
    [[ $same -eq 1 ]] && note+=", screens as amd64's" || { note+=", screens DIFFER"; status=1; }
  fi
  report "$arch" "$(compiler_of "$dir")" "$(count_warnings "$log-build.log")" \
    "$(tiers_of "$dir" "$log-tests.log")$note, $host_release multiarch" "$started" "$status"
}

run_target() {
  case $1 in
    debian13) target_debian13 ;;
    clang) target_clang ;;
    i386 | arm64 | s390x) target_cross "$1" ;;
  esac
}

# The targets in the Debian 13 root in one lane, the cross builds in the other: while one lane
# waits on a display test, the other compiles.
lane() {
  local target
  for target in "$@"; do run_target "$target"; done
}

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(debian13 clang i386 arm64 s390x)
for target in "${targets[@]}"; do
  [[ $target =~ ^(debian13|clang|i386|arm64|s390x)$ ]] || { echo "matrix: no target $target" >&2; exit 2; }
done
[[ $(id -u) -eq 0 ]] || { echo "matrix: needs root (debootstrap, chroot, multiarch)" >&2; exit 1; }
"$root/scripts/install-deps.sh" matrix >"$out/deps.log" 2>&1 || { cat "$out/deps.log"; exit 1; }
rm -f "$out/summary"
started=$(date +%s)
echo "target           compiler      warnings    tiers (passed/failed)  minutes"
rooted=() crossed=()
for target in "${targets[@]}"; do
  case $target in debian13 | clang) rooted+=("$target") ;; *) crossed+=("$target") ;; esac
done
lane "${rooted[@]}" &
lane "${crossed[@]}" &
wait
echo "matrix: $(grep -c . "$out/summary") targets in $(minutes_since "$started") min"
! grep -q 'FAILED$' "$out/summary"
