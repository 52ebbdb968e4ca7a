#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tolvaran.
set -euo pipefail
cd "$(dirname "$0")"
source tools/bootstrap.sh

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    ensure_packages "${TOLVARAN_BUILD_PACKAGES[@]}"
    build_project
    exec ./build/tolvaran
fi

ensure_packages "${TOLVARAN_BUILD_PACKAGES[@]}" xvfb xauth
build_project
say "No display found: starting Tolvaran on a virtual display (Xvfb); its window is not visible"
exec xvfb-run -a ./build/tolvaran
