// Entry point of the window tests: a headless QApplication with settings kept
// away from the user's own.
#include "gui/support/EnterPressesButton.h"
#include "gui/support/PressLeavesField.h"
#include "gui/window/RecoveryKeeper.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (runtime.path() + QStringLiteral("/config")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    belvane::PressLeavesField::Install();
    belvane::EnterPressesButton::Install();
    // Recovery files of the windows under test stay in the scratch folder.
    belvane::RecoveryKeeper::SetFolder(runtime.path() + QStringLiteral("/recovery"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
