#!/usr/bin/env bash
# Debian roots for building and testing inside another release, kept between runs outside the
# repository (under $TARNBROOK_ROOTS, default /var/cache/tarnbrook/roots) and made anew when stale.
# Needs root.
#
#   debian-root.sh base SUITE          a minimal root of SUITE (debootstrap), made or refreshed;
#                                      prints its path
#   debian-root.sh copy SUITE DEST     DEST becomes a fresh copy of that root
#   debian-root.sh keep SUITE NAME     a root kept under NAME for the packages installed in it,
#                                      made from the base when missing or older than the base;
#                                      prints its path
#   debian-root.sh run ROOT COMMAND... COMMAND inside ROOT, with /proc, /sys, /dev, /dev/pts,
#                                      /dev/shm and /tmp/.X11-unix bound for that time only
#   debian-root.sh remove ROOT         unbinds whatever is still bound, then removes ROOT
set -euo pipefail

roots=${TARNBROOK_ROOTS:-/var/cache/tarnbrook/roots}
# A base older than this is made anew; the package lists are refreshed after a day.
max_base_days=7
max_lists_hours=20

die() { echo "debian-root: $*" >&2; exit 1; }

# The mirror this machine's own apt uses, so that the root comes from the same place.
host_mirror() {
  local uri
  uri=$(grep -hs -m1 -E '^URIs:.*/debian/?$' /etc/apt/sources.list.d/*.sources | awk '{print $2}')
  [[ -n $uri ]] || uri=$(grep -hs -m1 -E '^deb .*/debian/? ' /etc/apt/sources.list | awk '{print $2}')
  echo "${uri:-http://deb.debian.org/debian}"
}

# Every mount point at or below a folder, deepest first.
mounts_under() {
  local dir
  dir=$(realpath -m "$1")
  awk -v d="$dir" '$2 == d || index($2, d "/") == 1 {print $2}' /proc/self/mounts | sort -r
}

# Binds may be stacked (a run that was killed); each pass takes the top ones off.
unbind_all() {
  local points point pass
  for pass in 1 2 3 4 5 6 7 8; do
    points=$(mounts_under "$1")
    [[ -n $points ]] || return 0
    for point in $points; do
      umount -l "$point" 2>/dev/null || true
    done
  done
}

remove_root() {
  local dir=$1
  [[ -e $dir ]] || return 0
  unbind_all "$dir"
  [[ -z $(mounts_under "$dir") ]] || die "$dir still has something mounted; not removing it"
  rm -rf --one-file-system "$dir"
}

# Runs inside without binds; for apt in a base that is being made.
in_root() { local dir=$1; shift; chroot "$dir" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  HOME=/root DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }

older_than_days() { [[ -n $(find "$1" -maxdepth 0 -mtime +"$2" 2>/dev/null) ]]; }
older_than_hours() { [[ -n $(find "$1" -maxdepth 0 -mmin +$(($2 * 60)) 2>/dev/null) ]]; }

make_base() {
  local suite=$1 dir=$2 mirror
  mirror=$(host_mirror)
  echo "debian-root: making a $suite root from $mirror (debootstrap)" >&2
  remove_root "$dir.new"
  debootstrap --variant=minbase "$suite" "$dir.new" "$mirror" >"$dir.log" 2>&1 ||
    die "debootstrap of $suite failed; see $dir.log"
  printf 'deb %s %s main\ndeb %s %s-updates main\n' "$mirror" "$suite" "$mirror" "$suite" \
    >"$dir.new/etc/apt/sources.list"
  # No recommends: a package's declared dependencies are all a build or a test gets.
  echo 'APT::Install-Recommends "false";' >"$dir.new/etc/apt/apt.conf.d/99norecommends"
  remove_root "$dir"
  mv "$dir.new" "$dir"
  touch "$dir/.made"
}

refresh_lists() {
  local dir=$1
  if [[ ! -e $dir/.lists ]] || older_than_hours "$dir/.lists" "$max_lists_hours"; then
    cp /etc/resolv.conf "$dir/etc/resolv.conf"
    in_root "$dir" apt-get -qq update >&2
    in_root "$dir" apt-get -qq -y upgrade >&2
    touch "$dir/.lists"
  fi
}

base() {
  local suite=$1 dir="$roots/$1-base"
  mkdir -p "$roots"
  exec 9>"$roots/$suite.lock"
  flock 9
  if [[ ! -e $dir/.made ]] || older_than_days "$dir/.made" "$max_base_days"; then
    make_base "$suite" "$dir"
  fi
  refresh_lists "$dir"
  echo "$dir"
}

copy() {
  local source
  source=$(base "$1")
  remove_root "$2"
  mkdir -p "$(dirname "$2")"
  cp -a "$source" "$2"
}

keep() {
  local source dir="$roots/$2"
  source=$(base "$1")
  if [[ ! -e $dir/.made ]] || [[ $source/.made -nt $dir/.made ]]; then
    copy "$1" "$dir"
  fi
  refresh_lists "$dir"
  echo "$dir"
}

bind() {
  local dir=$1 point
  for point in /proc /sys /dev /dev/pts /dev/shm /tmp/.X11-unix; do
    [[ -d $point ]] || continue
    mkdir -p "$dir$point"
    mount --bind "$point" "$dir$point"
  done
}

run() {
  bound=$1
  shift
  [[ -x $bound/bin/sh ]] || die "$bound is no root"
  # One run at a time in a root: binds of two would stack.
  exec 8>"$bound.lock"
  flock 8
  cp /etc/resolv.conf "$bound/etc/resolv.conf"
  trap 'unbind_all "$bound"' EXIT
  trap 'exit 130' INT TERM
  bind "$bound"
  in_root "$bound" TERM=dumb CI="${CI:-}" "$@"
}

[[ $(id -u) -eq 0 ]] || die "needs root"
command=${1:-}
shift || true
case $command in
  base) [[ $# -eq 1 ]] || die "usage: $0 base SUITE"; base "$1" ;;
  copy) [[ $# -eq 2 ]] || die "usage: $0 copy SUITE DEST"; copy "$1" "$2" ;;
  keep) [[ $# -eq 2 ]] || die "usage: $0 keep SUITE NAME"; keep "$1" "$2" ;;
  run) [[ $# -ge 2 ]] || die "usage: $0 run ROOT COMMAND..."; run "$@" ;;
  remove) [[ $# -eq 1 ]] || die "usage: $0 remove ROOT"; remove_root "$1" ;;
  *) die "usage: $0 base|copy|keep|run|remove ..." ;;
esac
