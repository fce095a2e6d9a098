#!/usr/bin/env bash
# Checks the include directions of the source tree (default: this repository).
#
#   core < rules < reports, maintenance, statements < uilogic < gui/paint
#        < gui/support < gui/dialogs < gui/window < app
#
# A file may include its own folder and any folder below it, never one above it
# nor a sibling of the same floor; cli stands beside the GUI and may include the
# Qt-free domain folders only, its print painter (cli/print) gui/paint too.
# Inside gui/dialogs the reference lists < the lines < the recurring movements;
# the other dialog folders (printing, reports, settings, maintenance,
# preferences) stand apart: they include no other dialog folder and none
# includes them. Qt headers (<Q…>, <Qt…>) belong to gui/, app/ and cli/print
# alone; the tests of the Qt-free folders include none. Prints every offending
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
        gui/paint) echo 4 ;;
        gui/support) echo 5 ;;
        gui/dialogs) echo 6 ;;
        gui/window) echo 7 ;;
        app) echo 8 ;;
        *) echo "" ;;
    esac
}

# The rank of a dialog folder among those that build on each other; empty for
# one that stands apart.
dialog_rank() {
    case $1 in
        lists) echo 0 ;;
        lines) echo 1 ;;
        movements) echo 2 ;;
        *) echo "" ;;
    esac
}

# The dialog folder of a path under gui/dialogs/ ("lines" for
# gui/dialogs/lines/CLigneDlg.h); empty for a file of gui/dialogs itself.
dialog_folder() {
    case $1 in
        gui/dialogs/*/*) echo "$1" | cut -d/ -f3 ;;
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
        if [[ $from == gui/dialogs && $to == gui/dialogs ]]; then
            from_dialogs=$(dialog_folder "$rel")
            to_dialogs=$(dialog_folder "$target")
            if [[ $from_dialogs != "$to_dialogs" ]]; then
                from_rank=$(dialog_rank "$from_dialogs")
                to_rank=$(dialog_rank "$to_dialogs")
                [[ -n $from_rank && -n $to_rank ]] && ((to_rank < from_rank)) ||
                    report "$file" "$line_no" "dialogs/$from_dialogs includes \"$target\", which is not below it"
            fi
            continue
        fi
        [[ -n $to && $to != "$from" ]] || continue
        if [[ $from == cli/print ]]; then
            [[ $to == cli || ( -n $(floor "$to") && $(floor "$to") -le 4 ) ]] ||
                report "$file" "$line_no" "cli/print includes \"$target\" (only gui/paint and below)"
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
