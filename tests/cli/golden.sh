#!/usr/bin/env bash
# Golden test over whole ranges: the text primorator-cli writes for each row
# of golden-hashes.txt must have the row's SHA-1, so that any change in tens
# of millions of lines is seen.
#   golden.sh PATH-OF-primorator-cli
set -euo pipefail
cli=$1
table="$(dirname "$0")/golden-hashes.txt"
failed=0
while read -r start end separator expected; do
  [[ -z $start || $start == \#* ]] && continue
  actual=$("$cli" --no-limit --separator "$separator" "$start" "$end" | sha1sum | cut -d' ' -f1)
  if [[ $actual != "$expected" ]]; then
    echo "$start .. $end, separator $separator: sha1 $actual, expected $expected"
    failed=1
  fi
done <"$table"
exit "$failed"
