#!/usr/bin/env bash
# Prints returns to PNG page images at 100 dpi, for looking at the printed forms
# beside the official ones. With no arguments it prints the bundled sample and
# the test returns of every ITR-1 year, the ITR-4S form and the acknowledgements.
#   scripts/page-images.sh [RETURN.xml ...]     images go to build/page-images/
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/page-images
mkdir -p "$out"

returns=("$@")
if ((${#returns[@]} == 0)); then
  returns=(examples/sample-itr1-2011.xml tests/fixtures/itr1-2009.xml tests/fixtures/itr1-2010.xml
           tests/fixtures/itr1-2011.xml tests/fixtures/itr4s-2011.xml)
fi

for file in "${returns[@]}"; do
  name=$(basename "$file" .xml)
  for command in form ack; do
    pdf="$out/$name-$command.pdf"
    if build/orvane "$command" --staging-dir "$out" -o "$pdf" "$file" >/dev/null; then
      pdftoppm -r 100 -png "$pdf" "$out/$name-$command"
      echo "$file ($command): $out/$name-$command-*.png"
    fi
  done
done
