#include "uilogic/CommandState.h"

#include "uilogic/CommandIds.h"

#include <algorithm>
#include <array>

namespace belvane {

namespace {

// Commands whose feature is built. Add a command here when its dialog or action
// lands; until then its menu item and button stay greyed.
constexpr std::array kAvailable = {
    cmd::kFileNew,          cmd::kFileOpen,      cmd::kFileSave,        cmd::kFileSaveAs,
    cmd::kAppExit,          cmd::kEditUndo,      cmd::kDeleteLine,      cmd::kBackupToggle,
    cmd::kViewToolbar,      cmd::kViewStatusBar, cmd::kWindowSplit,     cmd::kNextPane,
    cmd::kPrevPane,         cmd::kHelp,          cmd::kSearch,          cmd::kTotals,
    cmd::kPaymentMethods,   cmd::kCategories,    cmd::kPayees,          cmd::kNewLine,
    cmd::kCorrectLine,      cmd::kStatementMode, cmd::kCreateAutomatic, cmd::kCreateAnticipated,
    cmd::kMovements,        cmd::kCreateManual,  cmd::kFilePrint,       cmd::kFilePrintDirect,
    cmd::kFilePrintPreview, cmd::kPurge,         cmd::kNewFiscalYear,   cmd::kExportText,
    cmd::kPreferences,      cmd::kSummary,       cmd::kAbout,           cmd::kCalculator,
    cmd::kCharts,           cmd::kImportStatement, cmd::kFilePrintSetup,
    cmd::kLanguage,
};

// The commands that change the register, disabled while it is open read-only.
// "Enregistrer sous" stays: it makes a copy of one's own.
constexpr std::array kChanging = {
    cmd::kFileSave,     cmd::kEditUndo,        cmd::kNewLine,           cmd::kCorrectLine,
    cmd::kDeleteLine,   cmd::kStatementMode,   cmd::kBackupToggle,      cmd::kMovements,
    cmd::kCreateManual, cmd::kCreateAutomatic, cmd::kCreateAnticipated, cmd::kPaymentMethods,
    cmd::kCategories,   cmd::kPayees,          cmd::kSummary,           cmd::kPreferences,
    cmd::kPurge,        cmd::kNewFiscalYear,   cmd::kImportStatement,
};

bool IsRecentFile(int command) {
    return command >= cmd::kFileMruFirst && command <= cmd::kFileMruLast;
}

}  // namespace

bool IsCommandAvailable(int command) {
    return IsRecentFile(command) ||
           std::find(kAvailable.begin(), kAvailable.end(), command) != kAvailable.end();
}

CommandUi EvaluateCommand(int command, const CommandState& state) {
    CommandUi ui;
    ui.enabled = IsCommandAvailable(command) &&
                 !(state.readOnly &&
                   std::find(kChanging.begin(), kChanging.end(), command) != kChanging.end());
    switch (command) {
        case cmd::kCorrectLine:
        case cmd::kDeleteLine:
            ui.enabled = ui.enabled && state.lineSelected;
            break;
        case cmd::kStatementMode:
            ui.checked = state.statementMode;
            break;
        case cmd::kBackupToggle:
            ui.checked = state.backup;
            break;
        case cmd::kViewToolbar:
            ui.checked = state.toolbarVisible;
            break;
        case cmd::kViewStatusBar:
            ui.checked = state.statusBarVisible;
            break;
        default:
            break;
    }
    return ui;
}

}  // namespace belvane
