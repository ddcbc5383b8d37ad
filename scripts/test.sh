#!/usr/bin/env bash
# Runs every test: unit tests and the database tests against the local Firebird server.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cd build
ctest --output-on-failure -j 2 "$@"
