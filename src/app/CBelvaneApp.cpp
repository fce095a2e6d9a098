#include "app/CBelvaneApp.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/settings/CLanguageDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/QtText.h"
#include "gui/support/CLanguageModule.h"
#include "gui/support/CResources.h"
#include "gui/support/DesktopLanguage.h"
#include "gui/support/EnterPressesButton.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/IModal.h"
#include "gui/support/PressLeavesField.h"
#include "gui/support/QtTranslation.h"
#include "gui/window/CMainFrame.h"
#include "gui/window/PreferenceCommands.h"
#include "uilogic/CommandIds.h"
#include "uilogic/LanguageChoice.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

#include <iostream>

namespace belvane {

namespace {

// Qt's own texts (message box buttons, file dialogs) in the language of the
// active resources, and its dates, sizes and month names in that language's way.
void TranslateQtTexts() {
    const int langId = ParseLangId(ToStd(CResources::Str(ids::kLangId)));
    QtTranslation::Install(langId);
    QLocale::setDefault(LocaleForLangId(langId));
}

// Answers every message box at once when nobody is there to see it (the
// screenshot run): the text goes to the error stream instead.
class UnattendedMessageBox final : public IMessageBox {
public:
    Answer Show(QWidget*, const QString& text, Icon, Buttons buttons) override {
        std::cerr << "belvane: " << ToStd(text) << '\n';
        switch (buttons) {
            case Buttons::Ok:
                return Answer::Ok;
            case Buttons::OkCancel:
            case Buttons::YesNoCancel:
                return Answer::Cancel;
            case Buttons::YesNo:
            case Buttons::YesNoDefaultNo:
                return Answer::No;
        }
        return Answer::Cancel;
    }
    void Beep() override {}
};

}  // namespace

CBelvaneApp::LanguageHooks CBelvaneApp::DefaultLanguageHooks() {
    LanguageHooks hooks;
    hooks.dialog = [](QWidget* parent, ISettingsStore& settings, bool firstStart,
                      const QString& programDir) {
        CLanguageDlg dialog(parent, settings, firstStart, programDir);
        // With the built-in language alone there is nothing to choose: take it
        // without showing the dialog at all.
        if (dialog.ClosesItself())
            dialog.accept();
        else
            RunModal(dialog);
    };
    // The module stays loaded, and its resources active, for the whole run.
    auto module = std::make_shared<CLanguageModule>();
    hooks.load = [module](ISettingsStore& settings, const QString& programDir) {
        module->LoadConfigured(settings, programDir);
    };
    hooks.unload = [module] { module->Unload(); };
    return hooks;
}

CBelvaneApp::CBelvaneApp(ISettingsStore& settings, QString programDir, LanguageHooks hooks)
    : m_settings(settings),
      m_programDir(std::move(programDir)),
      m_hooks(std::move(hooks)),
      m_recent(settings, RecentFiles::kDefaultSize) {}

CBelvaneApp::~CBelvaneApp() {
    // The frame observes the document: it goes first.
    m_frame.reset();
    m_doc.reset();
}

bool CBelvaneApp::Start(const StartupArguments& command) {
    // A refused command line ends the program before anything is shown or asked.
    if (command.action != StartupArguments::Action::Run)
        return false;

    m_settings.WriteString("", "AppDirectory", AppDirectoryValue(ToStd(m_programDir)));
    // Before the first window: the built-in language for the first-start dialog,
    // a press on any dialog's button leaves the field being edited first, and
    // Enter on a dialog's focused button presses it.
    PressLeavesField::Install();
    EnterPressesButton::Install();
    TranslateQtTexts();
    if (WantsFirstStartDialog(m_settings) && m_hooks.dialog)
        m_hooks.dialog(nullptr, m_settings, true, m_programDir);
    if (m_hooks.load)
        m_hooks.load(m_settings, m_programDir);
    // The module's own language, where Qt has it. No application display name:
    // Qt would append it to every dialog's title; the frame names itself.
    TranslateQtTexts();

    m_recent.Load();
    // Made after the language is known: its texts name the untitled register.
    m_doc = std::make_unique<CBelvaneDoc>(&m_settings);
    m_doc->SetStrings(CResources::Active().Strings());
    ReadFormatSettings(*m_doc, m_settings);
    m_doc->OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(*m_doc, m_settings, m_recent);

    if (StartsMaximized(m_settings))
        m_frame->showMaximized();
    else
        m_frame->show();
    // A register that cannot be opened is reported over the window, which then
    // holds a new register: the program goes on rather than ending. The name
    // goes to the document as given; it makes it absolute.
    if (!command.file.empty())
        m_frame->Files().OpenDocument(FromStd(command.file));
    else
        m_frame->Files().OfferUntitledRecovery();

    // Entered after the command line, whose relative names are the shell's.
    const std::string initialDir = InitialDirectory(m_settings);
    if (!initialDir.empty())
        QDir::setCurrent(FromStd(initialDir));
    return true;
}

void CBelvaneApp::Exit() {
    // The window and the document use the module's texts: they go before it.
    m_frame.reset();
    m_doc.reset();
    if (m_hooks.unload)
        m_hooks.unload();
    QtTranslation::Remove();
    RecordNormalExit(m_settings);
}

bool CBelvaneApp::SaveScreenshot(const QString& file) const {
    if (!m_frame)
        return false;
    QCoreApplication::processEvents();
    return m_frame->grab().save(file, "PNG");
}

int CBelvaneApp::Main(int argc, char** argv) {
    // The one reading of the command line, before Qt starts: help and a refused
    // command line need no display. Qt gets the program name alone, so that
    // every argument means what ParseStartupArguments says (Qt's own settings
    // come from its environment variables, such as QT_QPA_PLATFORM).
    const StartupArguments command =
        ParseStartupArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (command.action == StartupArguments::Action::Help) {
        std::cout << StartupUsage();
        return 0;
    }
    if (command.action == StartupArguments::Action::Error) {
        std::cerr << "belvane: " << command.error << '\n' << StartupUsage();
        return 2;
    }
    int qtArgc = 1;
    QApplication qt(qtArgc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orlenko"));
    QCoreApplication::setApplicationName(QStringLiteral("Belvane"));

    UnattendedMessageBox unattended;
    if (!command.screenshot.empty())
        IMessageBox::Install(&unattended);

    CQtSettings settings;
    CBelvaneApp app(settings, QCoreApplication::applicationDirPath());
    if (!app.Start(command))
        return 2;
    if (!command.screenshot.empty()) {
        const bool saved = app.SaveScreenshot(FromStd(command.screenshot));
        IMessageBox::Install(nullptr);
        if (!saved) {
            std::cerr << "belvane: cannot write " << command.screenshot << '\n';
            return 1;
        }
        return 0;
    }
    const int status = QApplication::exec();
    app.Exit();
    return status;
}

}  // namespace belvane
