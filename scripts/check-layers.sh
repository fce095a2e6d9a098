#!/usr/bin/env bash
# Checks the include directions of the source tree (default: this repository).
#
#   core < rules < reports, maintenance, statements < uilogic < gui/support
#        < gui/dialogs < gui/window < app
#
# A file may include its own folder and any folder below it, never one above it
# nor a sibling of the same floor; cli stands beside the GUI and may include the
# Qt-free domain folders only. Qt headers (<Q…>, <Qt…>) belong to gui/ and app/
# alone, and so do the tests of the Qt-free folders. Prints every offending
# include and exits 1 when there is one.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# The floor of a folder; cli is handled apart.
floor() {
    case $1 in
        core) echo 0 ;;
        rules) echo 1 ;;
        reports | maintenance | statements) echo 2 ;;
        uilogic) echo 3 ;;
        gui/support) echo 4 ;;
        gui/dialogs) echo 5 ;;
        gui/window) echo 6 ;;
        app) echo 7 ;;
        *) echo "" ;;
    esac
}

# The folder a path under src/ (or an include path) belongs to.
folder_of() {
    case $1 in
        gui/*/*) echo "${1%/*}" | cut -d/ -f1,2 ;;
        */*) echo "${1%%/*}" ;;
        *) echo "" ;;
    esac
}

qt_free() {
    case $1 in gui | gui/* | app | app/* | cli/print) return 1 ;; *) return 0 ;; esac
}

include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*([<"])([^">]+)[">]'
qt_re='^Q[A-Za-z]*(/|$)'

bad=0
report() {
    echo "$1:$2: $3" >&2
    bad=1
}

while IFS= read -r file; do
    rel=${file#src/}
    from=$(folder_of "$rel")
    [[ $rel == cli/print/* ]] && from=cli/print
    from_floor=$(floor "$from")
    line_no=0
    while IFS= read -r line; do
        line_no=$((line_no + 1))
        [[ $line =~ $include_re ]] || continue
        kind=${BASH_REMATCH[1]}
        target=${BASH_REMATCH[2]}
        if [[ $kind == "<" ]]; then
            if [[ $target =~ $qt_re ]] && qt_free "$from"; then
                report "$file" "$line_no" "Qt header <$target> in a Qt-free folder"
            fi
            continue
        fi
        to=$(folder_of "$target")
        [[ $target == cli/print/* ]] && to=cli/print
        [[ -n $to && $to != "$from" ]] || continue
        if [[ $from == cli/print ]]; then
            [[ $to == cli || $to == gui/support || ( -n $(floor "$to") && $(floor "$to") -le 2 ) ]] ||
                report "$file" "$line_no" "cli/print includes \"$target\" (only gui/support and below)"
            continue
        fi
        to_floor=$(floor "$to")
        if [[ $from == cli ]]; then
            [[ $to == cli/print || ( -n $to_floor && $to_floor -le 2 ) ]] ||
                report "$file" "$line_no" "cli includes \"$target\" (only core, rules, reports, maintenance, statements)"
            continue
        fi
        if [[ -z $from_floor || -z $to_floor ]]; then
            report "$file" "$line_no" "\"$target\": no floor known for $from or $to"
        elif ((to_floor >= from_floor)); then
            report "$file" "$line_no" "$from includes \"$target\" of $to, which is not below it"
        fi
    done <"$file"
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

# The tests of the Qt-free folders build without Qt too.
while IFS= read -r file; do
    line_no=0
    while IFS= read -r line; do
        line_no=$((line_no + 1))
        [[ $line =~ $include_re ]] || continue
        target=${BASH_REMATCH[2]}
        if [[ $target =~ $qt_re || $target == gui/* || $target == app/* ]]; then
            report "$file" "$line_no" "a test of a Qt-free folder includes $target"
        fi
    done <"$file"
done < <(find tests/core tests/rules tests/reports tests/maintenance tests/statements tests/uilogic tests/cli -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)

exit $bad
