#!/usr/bin/env bash
# Builds Corvanel and opens it on the bundled sample collection.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$repo/scripts/setup.sh"
if [ "$(id -u)" -eq 0 ]; then
    # Chromium refuses its sandbox when run as root.
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$repo/build/bin/corvanel" "$@"
