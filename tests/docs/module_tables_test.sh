#!/usr/bin/env bash
# Each module's row in the module tables of docs/architecture.md and of the README names every group of files in
# the module's folder (a header and its sources by their shared name, in backticks; a source for one system or
# system library, named for it, belongs to its group), so that neither table falls behind the code.
root="$(dirname "$0")/../.."
status=0
for folder in "$root"/src/*/; do
  module="$(basename "$folder")"
  for document in docs/architecture.md README.md; do
    row="$(grep -F "| \`src/$module\` |" "$root/$document")"
    [ -n "$row" ] || { echo "$document: no row for src/$module"; status=1; }
    for group in $(find "$folder" -maxdepth 1 -type f -printf '%f\n' | sed -E 's/\.[^.]*$//; s/_(posix|windows|x11|openal|devil)$//' | sort -u); do
      grep -qF "\`$group\`" <<<"$row" || { echo "$document: the row of src/$module does not name $group"; status=1; }
    done
  done
done
exit $status
