#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the build folder given, pins its file list and
# its dependencies, unpacks it into a temporary folder and checks what is
# there as an install, programs run from there included.
set -euo pipefail
build=$1
source "$(dirname "$0")/installed.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}

listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort)
diff <(expected_files) <(echo "$listed") >&2 || fail "the package's files differ (< expected, > packed)"

# Found by dpkg-shlibdeps from the programs' shared libraries.
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for library in libc6 libstdc++6 libpng16-16 libqt6widgets6 libqt6gui6 libqt6core6 \
  libavcodec59 libavformat59 libswscale6 libavutil57; do
  grep -qxF "$library" <<<"$names" || fail "Depends lacks $library: $depends"
done

# Debian's own package checker finds no error and no warning.
said=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$said" ] || fail "lintian: $said"

dpkg-deb -x "$deb" "$work/root"
check_installed "$work/root/usr"
echo "package: $(basename "$deb"), its files, its dependencies and its programs are as they must be"
