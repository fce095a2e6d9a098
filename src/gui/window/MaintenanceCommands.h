#pragma once

#include <QString>

class QWidget;

namespace belvane {

class CBelvaneDoc;
class CMainFrame;
class ISettingsStore;

// The frame's maintenance commands (export, purge, new fiscal year): each runs its questions and
// dialogs and applies what they return to the register.

// "Exporter vers fichier texte": the lines as tab-separated text in a file the
// user names (".txt" added to a name without extension); message 10069 when
// the file cannot be written.
void ExportToText(const CBelvaneDoc& doc, QWidget* parent);

// "Apuration du compte": the warning, the choice of the archive register (made
// when missing), the purge dialog, then the archive saved before the register
// (see PurgeSession: nothing is lost when a save fails), each file entered in
// the backup list of `settings` when its register is marked.
void PurgeToArchive(CBelvaneDoc& doc, ISettingsStore& settings, QWidget* parent);

// "Nouvel exercice": the method chosen in the new fiscal year dialog, the
// offer to save the old year, then the register turned into the new year's,
// untitled and modified.
void StartNewFiscalYear(CMainFrame& frame);

}  // namespace belvane
