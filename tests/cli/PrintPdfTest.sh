#!/usr/bin/env bash
# belvane-tool print: the example register on paper-sized PDF pages, read back
# with poppler's pdfinfo and pdftotext; an empty register on one page; a file
# that cannot be written is an error.
#   PrintPdfTest.sh TOOL EXAMPLE.blv
set -euo pipefail
tool=$1
example=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

json=$("$tool" print "$example" "$scratch/all.pdf" 2>/dev/null)
grep -q '"pages": 14' <<<"$json" || fail "14 pages announced: $json"
[[ $(pdfinfo "$scratch/all.pdf" | awk '/^Pages:/ {print $2}') == 14 ]] || fail "14 pages in the file"
first=$(pdftotext -f 1 -l 1 -layout "$scratch/all.pdf" -)
for text in "exemple.blv, du 02.01.24 au 31.12.25" "Date em." "- Page 1/14 -" \
    "02.01.24   28.01.24   01.01.24   VIR PERM"; do
    grep -qF -- "$text" <<<"$first" || fail "first page without \"$text\""
done

"$tool" new "$scratch/empty.blv"
"$tool" print "$scratch/empty.blv" "$scratch/empty.pdf" >/dev/null 2>&1
empty=$(pdftotext -layout "$scratch/empty.pdf" -)
[[ $(pdfinfo "$scratch/empty.pdf" | awk '/^Pages:/ {print $2}') == 1 ]] || fail "empty: one page"
grep -qF "Date em." <<<"$empty" && grep -qF -- "- Page 1/1 -" <<<"$empty" ||
    fail "empty: titles and footer"

rc=0
"$tool" print "$example" "$scratch/missing/x.pdf" >/dev/null 2>&1 || rc=$?
[[ $rc == 1 && ! -e $scratch/missing/x.pdf ]] || fail "unwritable file: exit $rc"
echo ok
