#!/usr/bin/env bash
# Builds Lumivara if need be and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/src/lumivara "$@"
