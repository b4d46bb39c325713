#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The poster figures, each from one run of zentrel-render as a whole process
# (the short ones from three), by /usr/bin/time's wall time and peak memory:
#   - an 8192 x 6144 poster of "aqua" as PNG against PPM (target: PNG at
#     most 1.3 times the PPM's time), and the files' sizes;
#   - a 3000 x 3000 PPM on every core against one thread, each the shortest
#     of three runs (target: at least 1.8 times as fast);
#   - a 16384 x 12288 smooth poster (--density 16 --supersample 2): its
#     peak memory (target: under 256 MB) and time;
#   - a zoomable page of levels 0 to 4 of a 1024 x 768 view against the
#     poster of its deepest level as PNG (target: at most 1.3 times).
# Usage: bench/poster_figures.sh [zentrel-render [folder]]
# The folder (default: a new one under $TMPDIR or /tmp) should be on the
# disk posters go to: the files are made durable before they are named.
set -eu

render=${1:-build/cli/zentrel-render}
work=${2:-$(mktemp -d "${TMPDIR:-/tmp}/zentrel-figures-XXXXXX")}
mkdir -p "$work"
view="--pattern aqua --size 768 --xoom 0.15"

# Runs the renderer; sets seconds (wall), cpu (user and system seconds of
# all threads: on a shared machine the steadier measure of work) and
# kilobytes (peak resident memory).
run() {
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$render" "$@" >/dev/null 2>"$work/err" || {
        cat "$work/err" >&2
        exit 1
    }
    read -r seconds user system kilobytes <"$work/time"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
bytes() { stat -c %s "$1"; }

echo "zentrel-render figures, one run each ($(nproc) cores; rough on a busy machine)"

run $view --density 8 -o "$work/aqua.ppm"
ppm=$seconds ppmCpu=$cpu
run $view --density 8 -o "$work/aqua.png"
echo "8192 x 6144 aqua: PNG $seconds s (cpu $cpu s), PPM $ppm s (cpu $ppmCpu s)," \
    "PNG / PPM $(ratio "$seconds" "$ppm") (target <= 1.3), in cpu $(ratio "$cpu" "$ppmCpu");" \
    "PNG $(bytes "$work/aqua.png") bytes, PPM $(bytes "$work/aqua.ppm") bytes"
rm -f "$work/aqua.ppm" "$work/aqua.png"

# The shortest of three runs of each: a run this short moves by a tenth
# with what else the machine does.
fastest() {
    best=
    for _ in 1 2 3; do
        rm -f "$work/fast.ppm"
        run "$@" -o "$work/fast.ppm"
        best=$(awk -v a="$seconds" -v b="${best:-$seconds}" 'BEGIN { print (a < b) ? a : b }')
    done
    rm -f "$work/fast.ppm"
}
fastest --pattern aqua --size 3000 --threads 1
one=$best
fastest --pattern aqua --size 3000
all=$best
echo "3000 x 3000 PPM, shortest of three: one thread $one s, all cores $all s," \
    "speed-up $(ratio "$one" "$all") (target >= 1.8)"

run $view --density 16 --supersample 2 -o "$work/smooth.png"
echo "16384 x 12288 smooth PNG (--density 16 --supersample 2): $seconds s (cpu $cpu s)," \
    "peak memory $((kilobytes / 1024)) MB (target < 256 MB)"
rm -f "$work/smooth.png"

run $view --density 16 -o "$work/top.png"
top=$seconds topCpu=$cpu topMemory=$kilobytes
rm -f "$work/top.png"
rm -rf "$work/page"
run $view --tiles "$work/page" --levels 4
echo "page of levels 0-4 of 1024 x 768: $seconds s (cpu $cpu s), peak memory" \
    "$((kilobytes / 1024)) MB; its 16384 x 12288 top level as PNG $top s (cpu $topCpu s)," \
    "$((topMemory / 1024)) MB; page / poster $(ratio "$seconds" "$top") (target <= 1.3)," \
    "in cpu $(ratio "$cpu" "$topCpu")"
rm -rf "$work/page" "$work/time" "$work/err"
rmdir "$work" 2>/dev/null || true
