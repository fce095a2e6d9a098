#pragma once

#include "uilogic/RecentFiles.h"
#include "uilogic/StartupLogic.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace belvane {

class CBelvaneDoc;
class CMainFrame;
class ISettingsStore;

// The application: starts the program in its fixed order (program directory,
// first-start language choice, language module, recent files, the frame with the
// one document, the command line, the show state, the initial directory) and
// records the end of a normal run.
class CBelvaneApp {
public:
    // The language steps of the start-up, replaceable for tests.
    struct LanguageHooks {
        // The language dialog; `firstStart` is its first-start mode. It only
        // writes LanguageDLLName.
        std::function<void(QWidget* parent, ISettingsStore& settings, bool firstStart,
                           const QString& programDir)>
            dialog;
        // Loads the module named by LanguageDLLName and makes its resources active.
        std::function<void(ISettingsStore& settings, const QString& programDir)> load;
        // Frees the module at exit.
        std::function<void()> unload;
    };

    // The hooks of the real program.
    static LanguageHooks DefaultLanguageHooks();

    // `settings` must outlive the application. `programDir` is the directory of
    // the program file.
    CBelvaneApp(ISettingsStore& settings, QString programDir,
                LanguageHooks hooks = DefaultLanguageHooks());
    ~CBelvaneApp();

    // Starts the program as the command line asks. False when it asks for no
    // run (help, or a refused command line): nothing is shown then. A register
    // that cannot be opened is reported and a new register shown instead.
    bool Start(const StartupArguments& command);
    // The end of a normal run, after the main window closed: frees the window,
    // the document and the language module, and records that the first start
    // is over.
    void Exit();

    CMainFrame* Frame() const { return m_frame.get(); }
    CBelvaneDoc* Document() const { return m_doc.get(); }
    RecentFiles& Recent() { return m_recent; }

    // Draws the main window into a PNG file; false when it could not be written.
    bool SaveScreenshot(const QString& file) const;

    // The whole program: Qt application, start-up, event loop, exit. Returns the
    // process's exit status.
    static int Main(int argc, char** argv);

private:
    ISettingsStore& m_settings;
    QString m_programDir;
    LanguageHooks m_hooks;
    RecentFiles m_recent;
    std::unique_ptr<CBelvaneDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace belvane
