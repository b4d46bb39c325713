# SPDX-License-Identifier: GPL-3.0-or-later
# What an installed Zentrel must be, wherever its prefix lies: sourced by the
# install and the package tests.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Where the build folder installs its video module, relative to the prefix.
module_dir=$(sed -n 's/^ZENTREL_MODULE_DIR:STRING=//p' "$build/CMakeCache.txt")

# Every file, relative to the prefix, sorted.
expected_files() {
  {
    echo bin/zentrel
    echo bin/zentrel-render
    echo "$module_dir/zentrel-video.so"
    echo share/applications/org.zentrel.Zentrel.desktop
    for size in 16 22 24 32 48 64 128 256; do
      echo "share/icons/hicolor/${size}x${size}/apps/org.zentrel.Zentrel.png"
    done
    echo share/man/man1/zentrel-render.1.gz
    echo share/man/man1/zentrel.1.gz
    echo share/metainfo/org.zentrel.Zentrel.metainfo.xml
    echo share/doc/zentrel/changelog.gz
    echo share/doc/zentrel/copyright
  } | LC_ALL=C sort
}

check_file_list() {
  local prefix=$1
  local found
  found=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
  diff <(expected_files) <(echo "$found") >&2 || fail "the files under $prefix differ (< expected, > found)"
}

check_validators() {
  local prefix=$1
  local said
  said=$(desktop-file-validate "$prefix/share/applications/org.zentrel.Zentrel.desktop" 2>&1) ||
    fail "desktop-file-validate: $said"
  [ -z "$said" ] || fail "desktop-file-validate: $said"
  said=$(appstreamcli validate --no-net --no-color --pedantic "$prefix/share/metainfo/org.zentrel.Zentrel.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $said"
  # The id keeps the capital that the desktop entry and the icons are named
  # by; every other remark is a fault.
  said=$(grep -E '^[EWIP]: ' <<<"$said" | grep -v 'cid-contains-uppercase-letter' || true)
  [ -z "$said" ] || fail "appstreamcli validate --pedantic: $said"
}

check_icons() {
  local prefix=$1 size kind
  for size in 16 22 24 32 48 64 128 256; do
    kind=$(file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/org.zentrel.Zentrel.png")
    [[ $kind == "PNG image data, $size x $size,"* ]] || fail "icon $size: $kind"
  done
}

# Each page shows without a warning, every option of the program's help is
# in it, and every option and key is an item of its own.
check_man_pages() {
  local prefix=$1 program page shown warnings option items listed
  for program in zentrel zentrel-render; do
    page="$prefix/share/man/man1/$program.1.gz"
    warnings=$(mktemp)
    shown=$(MANWIDTH=200 man --warnings -E ascii -l "$page" 2>"$warnings") || fail "man -l $page"
    [ ! -s "$warnings" ] || fail "man -l $page: $(cat "$warnings")"
    rm -f "$warnings"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" "SEE ALSO"; do
      grep -q "^$section" <<<"$shown" || fail "$program.1 has no $section"
    done
    # "  -o, --output FILE  the file": -o and --output.
    for option in $("$prefix/bin/$program" --help | sed -n 's/^  \(-[^ ].*\)/\1/p' |
                    sed 's/  .*//; s/, / /g' | tr ' ' '\n' | grep '^-'); do
      grep -qF -- "$option" <<<"$shown" || fail "$program.1 does not show $option"
    done
    # "  TAG   what it does" in the help is one .TP item in the page.
    listed=$("$prefix/bin/$program" --help | grep -cE '^  [^ ](.*[^ ])?  +[^ ]')
    items=$(zcat "$page" | grep -c '^\.TP$')
    [ "$items" -eq "$listed" ] || fail "$program.1 has $items items for the help's $listed"
  done
  zcat "$prefix/share/man/man1/zentrel.1.gz" | grep -q '^\.SH MOUSE$' || fail "zentrel.1 has no MOUSE"
  [ "$(zcat "$prefix/share/man/man1/zentrel-render.1.gz" | sed -n '/^\.SH SYNOPSIS/,/^\.SH/p' |
       grep -c 'zentrel\\-render')" -ge 3 ] || fail "zentrel-render.1 lacks a form in its SYNOPSIS"
}

check_programs_run() {
  local prefix=$1 work status
  work=$(mktemp -d)
  "$prefix/bin/zentrel-render" --help >/dev/null || fail "zentrel-render --help"
  "$prefix/bin/zentrel-render" --pattern aqua --size 8 --threads 1 -o "$work/aqua.ppm" >/dev/null ||
    fail "zentrel-render could not draw"
  [ "$(grep -a -v '^#' "$work/aqua.ppm" | head -n 2)" = "$(printf 'P6\n8 8')" ] ||
    fail "aqua.ppm is no 8 x 8 picture"
  # The video module is found where the programs were installed.
  printf -- '--pattern aqua --size 8 --seconds 1\n--pattern aqua --size 8 --xoom 0.01\n' >"$work/keys"
  "$prefix/bin/zentrel-render" --movie "$work/keys" --fps 2 -o "$work/zoom.webm" >/dev/null ||
    fail "zentrel-render could not make a video"
  rm -rf "$work"
  [[ $("$prefix/bin/zentrel" --version) == "zentrel "* ]] || fail "zentrel --version"
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/zentrel" 2>/dev/null || status=$?
  [ "$status" -eq 2 ] || fail "zentrel without a desktop ended with $status, not 2"
}

check_installed() {
  check_file_list "$1"
  check_validators "$1"
  check_icons "$1"
  check_man_pages "$1"
  check_programs_run "$1"
}
