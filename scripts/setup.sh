#!/usr/bin/env bash
# Prepares this machine: installs the dependencies, starts the local Firebird server and builds
# everything into build/ (the setup package in build/package/). Idempotent.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/start-firebird.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
