// A window holding unsaved changes, for the test that kills it: opens the
// register REGISTER, adds LINES lines, prints "changed" and runs until killed.
//   recovery_child REGISTER RECOVERY_FOLDER LINES
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/SettingsStore.h"
#include "gui/window/CMainFrame.h"
#include "gui/window/RecoveryKeeper.h"
#include "uilogic/RecentFiles.h"

#include <QApplication>

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace belvane;
    if (argc != 4)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    RecoveryKeeper::SetFolder(QString::fromLocal8Bit(argv[2]));
    CMemorySettings settings;
    CBelvaneDoc doc(&settings);
    RecentFiles recent(settings);
    CMainFrame frame(doc, settings, recent);
    if (!frame.Files().OpenDocument(QString::fromLocal8Bit(argv[1])))
        return 3;
    const int lines = std::stoi(argv[3]);
    for (int i = 0; i < lines; ++i) {
        CLigne l;
        l.Set(ToDayDate(2024, 6, 1 + i % 28), 0, 0, -(i + 1), "", "CB", "", "", "",
              "saisie n° " + std::to_string(i));
        doc.AddLine(l);
    }
    std::cout << "changed" << std::endl;
    return QApplication::exec();
}
