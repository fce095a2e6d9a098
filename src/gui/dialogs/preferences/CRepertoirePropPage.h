#pragma once

#include "gui/dialogs/preferences/CPropPage.h"
#include "uilogic/DirectoryPreferences.h"

class QCheckBox;
class QLineEdit;

namespace belvane {

// Page "Répertoires" (dialog 204): the folder where the file dialogs open
// ("1181", browse "1182"), the backup folder ("1183", browse "1184"), the box
// "1187" that skips the backup's question, and the calculator's command line
// ("1185", browse "1186").
class CRepertoirePropPage : public CPropPage {
public:
    explicit CRepertoirePropPage(const DirectoryPreferences& values, QWidget* parent = nullptr);

    // What the page shows, as typed (the caller adds the separators).
    DirectoryPreferences Values() const;

private:
    void BrowseFolder(QLineEdit* edit);
    void BrowseCalculator();

    QLineEdit* m_initialDir = nullptr;
    QLineEdit* m_backupDir = nullptr;
    QCheckBox* m_noConfirm = nullptr;
    QLineEdit* m_calculator = nullptr;
};

}  // namespace belvane
