#!/usr/bin/env bash
# Set-up, build, and start the museum on the bundled data.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
build="${KIROKAN_BUILD_DIR:-$here/build}"
# The data directory is the working directory: it holds TxtData.
cd "$build/museum"
exec "$build/kirokan"
