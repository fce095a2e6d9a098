#include "gui/dialogs/preferences/CRepertoirePropPage.h"

#include "core/StringIds.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/FileFilter.h"
#include "gui/support/IModal.h"
#include "uilogic/CommandIds.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace belvane {

namespace {

constexpr int kDialog = 204;
constexpr int kPathChars = 259;

// The calculator's file filter. Elsewhere than on Windows programs have no
// extension: every file is offered.
QString CalculatorFilter() {
#ifdef Q_OS_WIN
    return QtFilter(CResources::Str(ids::kCalculatorFilter));
#else
    return AllFilesFilter();
#endif
}

}  // namespace

CRepertoirePropPage::CRepertoirePropPage(const DirectoryPreferences& values, QWidget* parent)
    : CPropPage(kDialog, parent) {
    m_initialDir = dlg::Edit(this, 1181, kPathChars);
    m_backupDir = dlg::Edit(this, 1183, kPathChars);
    m_noConfirm = dlg::CheckBox(this, kDialog, 1187);
    m_calculator = dlg::Edit(this, 1185, 32767);
    dlg::ShowText(m_initialDir, FromStd(values.initialDir), kPathChars);
    dlg::ShowText(m_backupDir, FromStd(values.backupDir), kPathChars);
    m_noConfirm->setChecked(values.noConfirm);
    m_calculator->setText(FromStd(values.calculator));

    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addField = [&](QLineEdit* edit, int label, int browse) {
        grid->addWidget(dlg::Label(this, kDialog, label, edit), row++, 0, 1, 2);
        QPushButton* button = dlg::Button(this, kDialog, browse);
        grid->addWidget(edit, row, 0);
        grid->addWidget(button, row++, 1);
        return button;
    };
    connect(addField(m_initialDir, 1181, 1182), &QPushButton::clicked, this,
            [this] { BrowseFolder(m_initialDir); });
    connect(addField(m_backupDir, 1183, 1184), &QPushButton::clicked, this,
            [this] { BrowseFolder(m_backupDir); });
    grid->addWidget(m_noConfirm, row++, 0, 1, 2);
    connect(addField(m_calculator, 1185, 1186), &QPushButton::clicked, this,
            &CRepertoirePropPage::BrowseCalculator);
    grid->setRowStretch(row, 1);
}

DirectoryPreferences CRepertoirePropPage::Values() const {
    return {ToStd(m_initialDir->text()), ToStd(m_backupDir->text()), m_noConfirm->isChecked(),
            ToStd(m_calculator->text())};
}

void CRepertoirePropPage::BrowseFolder(QLineEdit* edit) {
    // A folder that no longer exists opens the browser where Qt chooses.
    const QString typed = edit->text();
    const QString start = !typed.isEmpty() && QDir(typed).exists() ? typed : QString();
    const QString chosen = ChoosePath(this, {.kind = PathRequest::Kind::Folder, .proposed = start});
    if (!chosen.isEmpty())
        edit->setText(QDir::toNativeSeparators(chosen));
}

void CRepertoirePropPage::BrowseCalculator() {
    const QString chosen = ChoosePath(this, {.kind = PathRequest::Kind::Open,
                                             .title = CResources::Str(ids::kCalculatorTitle),
                                             .filter = CalculatorFilter()});
    if (chosen.isEmpty())
        return;
    // The text is a command line: a path with blanks is quoted to stay one word.
    const QString path = QDir::toNativeSeparators(chosen);
    m_calculator->setText(path.contains(u' ') ? u'"' + path + u'"' : path);
}

}  // namespace belvane
