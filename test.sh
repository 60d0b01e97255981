#!/usr/bin/env bash
# Builds Corvanel and runs the whole test suite headless.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$repo/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:-} --disable-gpu --no-sandbox"
cd "$repo/build"
ctest --output-on-failure -j2 "$@"
