#!/usr/bin/env bash
# Installs what is needed, builds, and prints the bundled sample return.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/orvane info examples/sample-itr1-2011.xml
