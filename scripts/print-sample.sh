#!/usr/bin/env bash
# Installs what is needed, builds, and prints the bundled sample return to
# build/sample.pdf (and its acknowledgement to build/sample-ack.pdf).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/orvane form --staging-dir build -o build/sample.pdf examples/sample-itr1-2011.xml
build/orvane ack --staging-dir build -o build/sample-ack.pdf examples/sample-itr1-2011.xml
