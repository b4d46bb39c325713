#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build folder given into a temporary prefix and checks what
# is there.
set -euo pipefail
build=$1
source "$(dirname "$0")/installed.sh"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage" >/dev/null
check_installed "$stage"
echo "install: the files, the validators, the manual pages and the programs are as they must be"
