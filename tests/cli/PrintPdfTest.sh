#!/usr/bin/env bash
# belvane-tool print: the example register on paper-sized PDF pages, read back
# with poppler's pdfinfo and pdftotext; every amount whole with the full
# widths, and with the lines fitted to a landscape page the payee and the
# observation of every line too; an empty register on one page; a file that
# cannot be written is an error.
#   PrintPdfTest.sh TOOL EXAMPLE.blv
set -euo pipefail
tool=$1
example=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config  # the page setup of a new user: A4 upright
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Lines of the export (amount, payee and observation in fields 5, 8 and 9) that
# no printed row shows: the amount as a word of its own and, with "all", the
# payee and the observation whole.
missing() { # PDF WHAT
    pdftotext -layout "$1" - | awk -F'\t' -v what="$2" '
        FNR == NR { rows[++n] = " " $0 " "; next }
        {
            for (i = 1; i <= n; i++)
                if (index(rows[i], " " $5 " ") && (what != "all" ||
                    (index(rows[i], $8) && index(rows[i], $9))))
                    next
            print $5 " | " $8 " | " $9
        }' - "$scratch/lines.txt"
}
"$tool" export "$example" "$scratch/lines.txt"
"$tool" print "$example" "$scratch/full.pdf" --full-widths >/dev/null 2>&1
[[ -z $(missing "$scratch/full.pdf" amounts) ]] || fail "full widths: $(missing "$scratch/full.pdf" amounts | head -3)"
json=$("$tool" print "$example" "$scratch/wide.pdf" --full-widths --fit-width --landscape 2>/dev/null)
grep -q '"lines": 837' <<<"$json" || fail "every line printed: $json"
[[ -z $(missing "$scratch/wide.pdf" all) ]] || fail "fitted: $(missing "$scratch/wide.pdf" all | head -3)"
pdfinfo "$scratch/wide.pdf" | grep -q 'Page size: *842 x 595' || fail "landscape A4"

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
