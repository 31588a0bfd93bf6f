#!/usr/bin/env bash
# The package as a new user meets it: a freshly bootstrapped Debian 12, the
# package installed with apt, the game started by an ordinary user on a
# virtual X server, an option changed in the Options dialog and kept over a
# restart, and the package purged without a trace under /usr.
#
# Usage: fresh-system.sh PACKAGE.deb        (as root, or it asks sudo)
#
# The bootstrapped root, with the test's own tools (Xvfb, xdotool), is kept
# in $WALLWRIGHT_TEST_CACHE (default /var/cache/wallwright-test-install) as
# bookworm.tar, with the downloaded packages beside it; it is made again when
# it is missing or when the host's apt sources changed. Every run unpacks a
# fresh copy. Each step is time bound; the run ends with PASS or FAIL lines.
set -eEuo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 PACKAGE.deb" >&2
  exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
  exec sudo -- "$0" "$@"
fi
deb=$(realpath "$1")
cache=${WALLWRIGHT_TEST_CACHE:-/var/cache/wallwright-test-install}
player=player
config_dat=home/$player/.config/Wallwright/config.dat
music_on_offset=4 # musicOn in config.dat, see docs/file-formats.md
settings_size=296

pass() { echo "PASS: $*"; }
fail() {
  echo "FAIL: $*"
  exit 1
}
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR

# Runs a command with its output in a log, shown only when it fails.
logged() {
  local log=$work/$1
  shift
  if ! "$@" >"$log" 2>&1; then
    tail -n 40 "$log"
    return 1
  fi
}

# The host's Debian 12 apt sources as "URI SUITE" lines, from both the
# one-line and the deb822 format, so that the test uses the mirror the host
# already uses.
host_sources() {
  shopt -s nullglob
  {
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      if [ -f "$f" ]; then sed -e 's/#.*//' -e 's/\[[^]]*\]//' "$f" | awk '$1 == "deb" { print $2, $3 }'; fi
    done
    for f in /etc/apt/sources.list.d/*.sources; do
      awk 'function flush() {
             if (types ~ /(^| )deb( |$)/ && enabled != "no")
               for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++) print uri[u], suite[s]
             types = ""; enabled = ""; nu = 0; ns = 0
           }
           /^[ \t]*$/ { flush(); next }
           /^#/ { next }
           tolower($1) == "types:" { types = " " substr($0, 7) " " }
           tolower($1) == "enabled:" { enabled = tolower($2) }
           tolower($1) == "uris:" { for (i = 2; i <= NF; i++) uri[++nu] = $i }
           tolower($1) == "suites:" { for (i = 2; i <= NF; i++) suite[++ns] = $i }
           END { flush() }' "$f"
    done
  } | awk '$2 ~ /^bookworm(-updates|-security)?$/' | sort -u
}

work=$(mktemp -d /var/tmp/wallwright-fresh.XXXXXX)
root=$work/root
xvfb_pid=""
game_pid=""
cleanup() {
  for pid in $game_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for m in var/cache/apt/archives dev/shm dev/pts dev sys proc; do
    if mountpoint -q "$root/$m" 2>/dev/null; then umount "$root/$m" || echo "cannot unmount $root/$m"; fi
  done
  # Never into a mount left behind: that would be the host's.
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

mount_system() {
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
  mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
  mkdir -p "$cache/archives"
  mount --bind "$cache/archives" "$root/var/cache/apt/archives"
}
in_root=(chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8)

# --- the cached root -------------------------------------------------------
sources=$(host_sources)
mirror=$(awk '$2 == "bookworm" { print $1; exit }' <<<"$sources")
[ -n "$mirror" ] || fail "the host has no apt source for Debian 12 (bookworm)"
apt_sources=$(awk '{ print "deb", $1, $2, "main" }' <<<"$sources")

mkdir -p "$cache" "$root"
# One run at a time uses the cache, the downloaded packages above all.
exec 9>"$cache/lock"
flock -w 900 9 || fail "another run held $cache/lock for 15 minutes"
started=$SECONDS
if [ ! -f "$cache/bookworm.tar" ] || [ "$(cat "$cache/bookworm.sources" 2>/dev/null)" != "$apt_sources" ]; then
  echo "Bootstrapping Debian 12 into the cache, once..."
  logged debootstrap.log timeout 1200 debootstrap --variant=minbase bookworm "$root" "$mirror" ||
    fail "debootstrap from $mirror"
  echo "$apt_sources" >"$root/etc/apt/sources.list"
  mount_system
  logged tools.log timeout 900 "${in_root[@]}" sh -c 'apt-get update && apt-get install -y --no-install-recommends xvfb xdotool' ||
    fail "installing xvfb and xdotool into the new root"
  umount "$root/var/cache/apt/archives" "$root/dev/shm" "$root/dev/pts" "$root/dev" "$root/sys" "$root/proc"
  tar --numeric-owner -C "$root" -cf "$cache/bookworm.tar.new" .
  mv "$cache/bookworm.tar.new" "$cache/bookworm.tar"
  echo "$apt_sources" >"$cache/bookworm.sources"
  rm -rf --one-file-system "$root"
  mkdir "$root"
  pass "Debian 12 bootstrapped in $((SECONDS - started)) s"
fi
tar --numeric-owner -C "$root" -xf "$cache/bookworm.tar"
mount_system

# --- install ---------------------------------------------------------------
logged update.log timeout 300 "${in_root[@]}" apt-get update || fail "apt-get update in the fresh root"
usr_before=$work/usr-before
find "$root/usr" -printf '%P\n' | sort >"$usr_before"
cp "$deb" "$root/tmp/"
package_file=/tmp/$(basename "$deb")
chmod 644 "$root$package_file"
# Without recommends, so that the package's own Depends must be enough.
logged install.log timeout 900 "${in_root[@]}" apt-get install -y --no-install-recommends "$package_file" ||
  fail "apt-get install $(basename "$deb")"
pass "apt-get install $(basename "$deb")"
game_files=$work/game-files
timeout 60 "${in_root[@]}" dpkg-query -L wallwright | sort >"$game_files"

# --- play ------------------------------------------------------------------
timeout 60 "${in_root[@]}" useradd --create-home --shell /bin/bash "$player"
# The menu entry's command, run as the menu would: through the user's PATH.
desktop_entry=$(grep '^/usr/share/applications/.*\.desktop$' "$game_files" | head -n 1)
exec_line=$(sed -n 's/^Exec=//p' "$root$desktop_entry" | sed 's/ *%[a-zA-Z]//g')
command_path=$(timeout 60 "${in_root[@]}" runuser -l "$player" -c "command -v ${exec_line%% *}" || true)
[ "$command_path" = /usr/games/wallwright ] ||
  fail "the menu entry's command \"$exec_line\" finds \"$command_path\", not /usr/games/wallwright"
pass "the menu entry starts /usr/games/wallwright"

# The X server picks a display that is free, also of the host's.
timeout 900 chroot "$root" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
timeout 20 sh -c "until [ -s '$work/display' ]; do sleep 0.2; done" ||
  { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
display=:$(head -n 1 "$work/display")
xdotool=("${in_root[@]}" DISPLAY="$display" xdotool)
x() { timeout 20 "${xdotool[@]}" "$@" || fail "xdotool $* (status $?)"; }
shown() { timeout 20 "${xdotool[@]}" search --onlyvisible --name "$1" >/dev/null; }

# Starts the game as the player (or the user named), as the menu entry does
# (or with the command given), and waits for its window. The dummy sound driver keeps it off the host's
# sound devices.
start_game() {
  timeout 120 chroot "$root" runuser -l "${1:-$player}" -c \
    "DISPLAY=$display SDL_AUDIODRIVER=dummy exec ${2:-$exec_line}" >>"$work/game.log" 2>&1 &
  game_pid=$!
  window=$(timeout 60 "${xdotool[@]}" search --sync --onlyvisible --name '^Wallwright$' | head -n 1) ||
    { cat "$work/game.log"; fail "no Wallwright window within 60 s"; }
}
# Quits with Ctrl+Q, as a player would, so that the game saves its settings.
quit_game() {
  x windowfocus --sync "$window" key ctrl+q
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ $status -eq 0 ] || { cat "$work/game.log"; fail "the game did not quit cleanly on Ctrl+Q (status $status)"; }
}
music_on() { od -An -t d4 -j $music_on_offset -N 4 "$root/$config_dat" | tr -d ' '; }

start_game
pass "the game shows its window on $display"
# The Option button, the fourth of the 80-pixel buttons along the top; in its
# dialog the Music On box, then OK.
x mousemove --window "$window" $((4 * 80 + 40)) 30 click 1
dialog=$(x search --sync --onlyvisible --name '^Options Dialog$' | head -n 1) ||
  fail "no Options dialog after clicking Option"
x mousemove --window "$dialog" 24 52 click 1
x mousemove --window "$dialog" 44 210 click 1
for _ in $(seq 100); do
  shown '^Options Dialog$' || break
  sleep 0.2
done
if shown '^Options Dialog$'; then fail "the Options dialog did not close on OK"; fi
quit_game
[ -f "$root/$config_dat" ] || fail "no ~/.config/Wallwright/config.dat after quitting"
[ "$(stat -c %s "$root/$config_dat")" -eq $settings_size ] || fail "config.dat is not $settings_size bytes"
[ "$(music_on)" = 0 ] || fail "music is still on in config.dat after switching it off"
pass "music switched off in the Options dialog, saved in ~/.config/Wallwright/config.dat"

start_game
quit_game
[ "$(music_on)" = 0 ] || fail "music is on again after a restart"
pass "music still off after a restart"
# Root may write into the program folder, but an installed game's settings are
# the user's all the same. Root's PATH has no /usr/games.
start_game root /usr/games/wallwright
quit_game
[ -f "$root/root/.config/Wallwright/config.dat" ] || fail "root's settings are not in /root/.config/Wallwright"
pass "root's settings go to /root/.config/Wallwright"
written=$(find "$root/usr/lib/wallwright" | sed "s|^$root||" | sort | comm -23 - "$game_files")
[ -z "$written" ] || fail "the game wrote into its program folder: $written"
pass "nothing written into /usr/lib/wallwright"

# --- purge -----------------------------------------------------------------
logged purge.log timeout 300 "${in_root[@]}" apt-get purge -y wallwright || fail "apt-get purge wallwright"
left=$(while read -r path; do
  case $path in /usr/*) ;; *) continue ;; esac
  grep -qxF "${path#/usr/}" "$usr_before" && continue # a folder there before, such as /usr/share
  # A folder that still holds another package's files (the MIME database's,
  # installed with the toolkit) is that package's too: dpkg leaves it.
  [ -d "$root$path" ] && [ -n "$(ls -A "$root$path")" ] && continue
  if [ -e "$root$path" ] || [ -L "$root$path" ]; then echo "$path"; fi
done <"$game_files")
[ -z "$left" ] || fail "left after apt-get purge: $left"
pass "apt-get purge wallwright removes all of its files"
logged autoremove.log timeout 300 "${in_root[@]}" apt-get autoremove --purge -y || fail "apt-get autoremove"
usr_after=$work/usr-after
find "$root/usr" -printf '%P\n' | sort >"$usr_after"
if ! diff -u "$usr_before" "$usr_after" >"$work/usr.diff"; then
  head -n 40 "$work/usr.diff"
  fail "/usr differs from before the install"
fi
pass "/usr is as before the install once its dependencies are removed too"
echo "PASS: fresh-system install test in $((SECONDS - started)) s"
