#include "gui/window/PreferenceCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/SettingsStore.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/ValueFormat.h"
#include "gui/dialogs/preferences/CAboutDlg.h"
#include "gui/dialogs/preferences/CAffichagePropPage.h"
#include "gui/dialogs/preferences/CCouleursPropPage.h"
#include "gui/dialogs/preferences/CDimensionsPropPage.h"
#include "gui/dialogs/preferences/CPreferencesSheet.h"
#include "gui/dialogs/preferences/CRepertoirePropPage.h"
#include "gui/dialogs/preferences/CResumeDlg.h"
#include "gui/dialogs/settings/CLanguageDlg.h"
#include "gui/support/CResources.h"
#include "gui/support/Calculator.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"

#include <QCoreApplication>
#include <QDir>

namespace belvane {

void EditPreferences(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent) {
    CPreferencesSheet sheet(doc, settings, parent);
    if (sheet.Run() != QDialog::Accepted)
        return;
    using P = CPreferencesSheet;
    std::vector<std::uint8_t> columns = doc.GetColumns();
    std::array<int, 6> widths = doc.GetWidths();
    CPolice font = doc.GetFont();
    if (sheet.Visited(P::kColumns)) {
        columns = sheet.Columns()->Columns();
        widths = sheet.Columns()->Widths(widths);
    }
    if (sheet.Visited(P::kColors))
        font = sheet.Colors()->Font();
    if (sheet.Visited(P::kDirectories))
        sheet.Directories()->Values().Write(settings, QDir::separator().toLatin1());
    if (sheet.Visited(P::kDisplay))
        sheet.Display()->Values().Write(settings);

    // Marks the register modified and has every view rebuild its layout.
    doc.SetDisplay(std::move(columns), widths, font, sheet.Colors()->Colors());
    ReadFormatSettings(doc, settings);
}

void ReadFormatSettings(CBelvaneDoc& doc, const ISettingsStore& settings) {
    // A module without usable defaults leaves the built-in ones.
    std::string symbol = ToStd(CResources::Str(ids::kDecimalSymbolDefault));
    if (!IsUsableDecimalSymbol(symbol))
        symbol = CStringTable::Builtin().Get(ids::kDecimalSymbolDefault);
    std::string format = ToStd(CResources::Str(ids::kDateFormatDefault));
    if (format.empty())
        format = CStringTable::Builtin().Get(ids::kDateFormatDefault);
    const DisplayPreferences display = DisplayPreferences::Read(settings, symbol, format);
    doc.SetFormatSettings(display.dateFormat, display.decimalSymbol);
}

void EditSummary(CBelvaneDoc& doc, QWidget* parent) {
    CResumeDlg dialog(doc, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    doc.SetResume(dialog.Values());
}

void ShowAbout(QWidget* parent) {
    CAboutDlg about(parent);
    RunModal(about);
}

void ChooseLanguage(ISettingsStore& settings, QWidget* parent) {
    CLanguageDlg dialog(parent, settings, false, QCoreApplication::applicationDirPath());
    RunModal(dialog);
}

void RunCalculator(const ISettingsStore& settings, QWidget* parent) {
    const QString command =
        FromStd(settings.GetString("Settings", "Calculator", ToStd(DefaultCalculator())));
    if (!StartCalculator(command))
        dlg::Refuse(parent, ids::kMsgCalculatorFailed);
}

}  // namespace belvane
