#!/usr/bin/env bash
# The include check passes a tree whose includes run downwards and fails one
# with a single include going back up, or a Qt header in a Qt-free folder.
set -euo pipefail
check=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

make_tree() {
    rm -rf "$scratch/tree"
    mkdir -p "$scratch/tree"/src/{core,rules,uilogic,gui/paint,gui/support,gui/window,app,cli} \
        "$scratch/tree"/src/gui/dialogs/{lists,lines,movements,print} "$scratch/tree/tests/core"
    cd "$scratch/tree"
    printf '#pragma once\n#include <string>\n' >src/core/Value.h
    printf '#include "rules/Rule.h"\n#include "core/Value.h"\n' >src/uilogic/Logic.cpp
    printf '#include "core/Value.h"\n' >src/rules/Rule.h
    printf '#include "gui/support/Field.h"\n#include <QWidget>\n' >src/gui/window/Frame.cpp
    printf '#include <QLineEdit>\n#include "gui/paint/Text.h"\n' >src/gui/support/Field.h
    printf '#include <QString>\n#include "uilogic/Logic.h"\n' >src/gui/paint/Text.h
    printf '#include "gui/support/Field.h"\n' >src/gui/dialogs/lists/List.h
    printf '#include "gui/dialogs/lists/List.h"\n' >src/gui/dialogs/lines/Line.h
    printf '#include "gui/dialogs/lines/Line.h"\n#include "gui/dialogs/lists/List.h"\n' \
        >src/gui/dialogs/movements/Movement.h
    printf '#include "gui/support/Field.h"\n' >src/gui/dialogs/print/Print.h
    printf '#include "gui/window/Frame.h"\n' >src/app/main.cpp
    printf '#include "rules/Rule.h"\n' >src/cli/Tool.cpp
    printf '#include "core/Value.h"\n#include <gtest/gtest.h>\n' >tests/core/ValueTest.cpp
}

expect() {
    local want=$1 what=$2 out rc=0
    out=$("$check" "$scratch/tree" 2>&1) || rc=$?
    if [[ $rc != "$want" ]]; then
        echo "FAILED: $what: exit $rc, expected $want" >&2
        echo "$out" >&2
        exit 1
    fi
    echo "ok: $what${out:+ ($out)}"
}

make_tree
expect 0 "includes running downwards"

make_tree
printf '#include "gui/support/Field.h"\n' >>src/rules/Rule.h
expect 1 "rules including gui/support"

make_tree
printf '#include "gui/window/Frame.h"\n' >>src/gui/support/Field.h
expect 1 "gui/support including gui/window"

make_tree
printf '#include <QString>\n' >>src/core/Value.h
expect 1 "a Qt header in core"

make_tree
printf '#include "uilogic/Logic.h"\n' >>src/cli/Tool.cpp
expect 1 "cli including uilogic"

make_tree
printf '#include <QTest>\n' >>tests/core/ValueTest.cpp
expect 1 "a Qt header in a Qt-free test"

make_tree
printf '#include "gui/support/Field.h"\n' >>src/gui/paint/Text.h
expect 1 "gui/paint including gui/support"

make_tree
printf '#include "gui/dialogs/movements/Movement.h"\n' >>src/gui/dialogs/lists/List.h
expect 1 "the reference lists including the recurring movements"

make_tree
printf '#include "gui/dialogs/lists/List.h"\n' >>src/gui/dialogs/print/Print.h
expect 1 "printing including the reference lists"

make_tree
printf '#include "gui/dialogs/print/Print.h"\n' >>src/gui/dialogs/lines/Line.h
expect 1 "the lines including printing"

make_tree
mkdir -p src/cli/print
printf '#include "gui/paint/Text.h"\n#include <QPdfWriter>\n' >src/cli/print/Pdf.cpp
printf '#include "cli/print/Pdf.h"\n' >>src/cli/Tool.cpp
expect 0 "the print command's painter using gui/paint and Qt"

make_tree
printf '#include "gui/paint/Text.h"\n' >>src/cli/Tool.cpp
expect 1 "cli outside its painter including gui/paint"

make_tree
mkdir -p src/cli/print
printf '#include "gui/support/Field.h"\n' >src/cli/print/Pdf.cpp
expect 1 "the print command's painter including gui/support"
