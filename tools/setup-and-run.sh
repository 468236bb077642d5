#!/usr/bin/env bash
# Installs what Gridmoot needs, builds it and starts the desktop program.
# Usage: tools/setup-and-run.sh [DATA_FOLDER]   or   tools/setup-and-run.sh --sample [--reset]
# Without a folder the program uses its per-user data folder
# (~/.local/share/gridmoot), which it prepares on the first start; --sample
# opens the sample pool beside it instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
program=(./build/src/ui/gridmoot "$@")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Gridmoot under xvfb-run."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "${program[@]}"
fi
exec "${program[@]}"
