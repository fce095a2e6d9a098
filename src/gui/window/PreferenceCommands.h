#pragma once

class QWidget;

namespace belvane {

class CBelvaneDoc;
class ISettingsStore;

// The frame's commands of preferences, summary, about box and calculator:
// each runs its dialog and applies what it returns.

// "Préférences...": the sheet. On OK the register takes the columns, widths
// and font of the pages shown and the colours, the user's settings take the
// directories and display choices of the pages shown, the register re-reads
// the decimal symbol and date format, and it is marked modified (even when
// nothing changed) and redrawn.
void EditPreferences(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent);

// The register takes the settings' decimal symbol and date format, or those of
// the active language (strings 51 and 52) where the settings have none.
void ReadFormatSettings(CBelvaneDoc& doc, const ISettingsStore& settings);

// "Résumé...": the account's summary; OK stores it and marks the register modified.
void EditSummary(CBelvaneDoc& doc, QWidget* parent);

// "À propos de Belvane...": the about box.
void ShowAbout(QWidget* parent);

// "Langue...": the language dialog over the modules beside the program; the
// choice takes effect at the next start.
void ChooseLanguage(ISettingsStore& settings, QWidget* parent);

// "Calculatrice": starts the calculator's command line (setting "Calculator")
// without waiting for it; message 10030 when it cannot start.
void RunCalculator(const ISettingsStore& settings, QWidget* parent);

}  // namespace belvane
