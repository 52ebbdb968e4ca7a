#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/bootstrap.sh

ensure_packages "${TOLVARAN_BUILD_PACKAGES[@]}" shellcheck
build_project
say "Running the tests"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
