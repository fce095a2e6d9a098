#include "uilogic/CommandState.h"

#include "uilogic/CommandIds.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(CommandState, GivesTheEnabledAndCheckedState) {
    const auto state = [](bool selected, bool statement, bool backup, bool bars) {
        return CommandState{selected, statement, backup, bars, bars};
    };
    CommandState readOnly = state(true, false, true, true);
    readOnly.readOnly = true;
    // The command, the state, and whether it is enabled and checked.
    const std::tuple<int, CommandState, CommandUi> cases[] = {
        {cmd::kDeleteLine, state(false, false, false, true), {false, false}},
        {cmd::kDeleteLine, state(true, false, false, true), {true, false}},
        {cmd::kNewLine, state(false, false, false, true), {true, false}},
        {cmd::kStatementMode, state(false, true, false, true), {true, true}},
        {cmd::kStatementMode, state(true, false, true, true), {true, false}},
        {cmd::kBackupToggle, state(false, false, true, true), {true, true}},
        {cmd::kBackupToggle, state(false, true, false, true), {true, false}},
        {cmd::kViewToolbar, state(false, false, false, false), {true, false}},
        {cmd::kViewStatusBar, state(false, false, false, true), {true, true}},
        {cmd::kFileSave, state(true, true, true, true), {true, false}},
        {cmd::kFileMruLast, state(false, false, false, true), {true, false}},
        {cmd::kFileMruLast + 1, state(false, false, false, true), {false, false}},
        // Read only: what would change the register is disabled, the rest stays.
        {cmd::kNewLine, readOnly, {false, false}},
        {cmd::kDeleteLine, readOnly, {false, false}},
        {cmd::kFileSave, readOnly, {false, false}},
        {cmd::kBackupToggle, readOnly, {false, true}},
        {cmd::kFileSaveAs, readOnly, {true, false}},
    };
    for (const auto& [command, state, expected] : cases)
        EXPECT_EQ(EvaluateCommand(command, state), expected) << command;
}

}  // namespace
}  // namespace belvane
