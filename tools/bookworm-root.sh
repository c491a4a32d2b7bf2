# shellcheck shell=bash
# A minimal Debian 12 to try things on, sourced by tools/check-package.sh and tools/fresh-test.sh
# (both as root): made by debootstrap from this machine's Debian mirror, given the mounts a program
# inside needs, and left with no mount and no process of its own however the script ends.
#
# The script sets `top`, the folder every such system lives under, calls root_trap, then
# root_make DIR to make a system and root_mount DIR to mount what runs there needs; in_root runs a
# command inside `root`.

# Where this machine's apt fetches bookworm and its security updates from (deb.debian.org where it
# names neither); TW_DEBIAN_MIRROR overrides the first.
root_mirrors() {
  local uri release
  mirror="" security=""
  while read -r uri release; do
    case $release in
      bookworm) mirror=${mirror:-${uri%/}} ;;
      bookworm-security) security=${security:-${uri%/}} ;;
    esac
  done < <(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null | sort -u)
  mirror=${TW_DEBIAN_MIRROR:-${mirror:-http://deb.debian.org/debian}}
  security=${security:-http://deb.debian.org/debian-security}
}

# The folder this machine's apt keeps downloaded packages in: debootstrap and the apt inside take
# what is there and leave there what they fetch.
root_apt_cache() {
  local archives
  eval "$(apt-config shell archives Dir::Cache::archives/d)"
  echo "${archives:-/var/cache/apt/archives}"
}

# Processes whose root is inside `top`: only what the script started there.
root_pids() {
  local p
  for p in /proc/[0-9]*; do
    [[ "$(readlink "$p/root" 2>/dev/null)" == "$top"/* ]] && echo "${p#/proc/}"
  done
  return 0
}
root_unmount_all() {
  local m
  # Deepest first; a mount still busy is detached lazily rather than left behind.
  for m in $(awk -v top="$top/" 'index($2, top) == 1 {print $2}' /proc/self/mounts | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m"
  done
}
root_cleanup() {
  local pids
  pids=$(root_pids)
  if [ -n "$pids" ]; then
    kill $pids 2>/dev/null || true
    sleep 1
    pids=$(root_pids)
    [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
  fi
  root_unmount_all
}
root_trap() {
  trap root_cleanup EXIT
  trap "exit 130" INT TERM
}

# Removes a system, never deleting through a mount into the host's /dev, /proc or apt cache.
root_remove() {
  root_unmount_all
  ! awk -v d="$1/" 'index($2, d) == 1 {found = 1} END {exit !found}' /proc/self/mounts ||
    { echo "$(basename "$0"): mounts left under $1" >&2; exit 1; }
  rm -rf --one-file-system "$1"
}

# A minimal Debian 12 (debootstrap's minbase: essential packages and apt) in DIR, made anew, with
# apt pointed at the same mirror and the security archive, and no service started by a package.
root_make() {
  local dir=$1 log="$top/debootstrap.log"
  root_mirrors
  root_remove "$dir"
  mkdir -p "$top"
  debootstrap --variant=minbase --cache-dir="$(root_apt_cache)" bookworm "$dir" "$mirror" \
    > "$log" 2>&1 || { tail -20 "$log"; exit 1; }
  cat > "$dir/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
  printf '#!/bin/sh\nexit 101\n' > "$dir/usr/sbin/policy-rc.d"
  chmod 755 "$dir/usr/sbin/policy-rc.d"
}

# The kernel's file systems, the host's devices, a /dev/shm and /tmp of its own, the host's name
# servers and, with --apt-cache, this machine's apt cache in place of the system's own.
root_mount() {
  local dir=$1
  mount -t proc proc "$dir/proc"
  mount -t sysfs sysfs "$dir/sys"
  mount --bind /dev "$dir/dev"
  mount --bind /dev/pts "$dir/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$dir/dev/shm"
  mount -t tmpfs -o mode=1777,nosuid,nodev tmp "$dir/tmp"
  if [ "${2:-}" = --apt-cache ]; then
    mount --bind "$(root_apt_cache)" "$dir/var/cache/apt/archives"
  fi
  cp /etc/resolv.conf "$dir/etc/resolv.conf"
}

# Runs a command inside `root` as root, with a clean environment; extra VAR=value words before it.
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
