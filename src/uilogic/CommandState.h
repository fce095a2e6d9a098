#pragma once

namespace belvane {

// What the enabling of the frame's commands depends on.
struct CommandState {
    bool lineSelected = false;  // a line is selected in the active pane
    bool statementMode = false;
    bool backup = false;  // the register's backup-on-exit flag
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    bool readOnly = false;  // the register is open read-only: nothing may change it
};

// How a command shows in the menus and on the toolbar.
struct CommandUi {
    bool enabled = false;
    bool checked = false;

    bool operator==(const CommandUi&) const = default;
};

// Whether the feature behind a command exists in this build; the others stay in
// the menus, greyed.
bool IsCommandAvailable(int command);

// The enabled and checked state of a command.
CommandUi EvaluateCommand(int command, const CommandState& state);

}  // namespace belvane
