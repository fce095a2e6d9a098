#include "gui/dialogs/preferences/CPreferencesSheet.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/preferences/CAffichagePropPage.h"
#include "gui/dialogs/preferences/CCouleursPropPage.h"
#include "gui/dialogs/preferences/CDimensionsPropPage.h"
#include "gui/dialogs/preferences/CRepertoirePropPage.h"
#include "gui/support/CResources.h"
#include "gui/support/Calculator.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace belvane {

CPreferencesSheet::CPreferencesSheet(const CBelvaneDoc& doc, ISettingsStore& settings,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(CResources::Str(ids::kTitlePreferences));
    const std::string defaultSymbol = ToStd(CResources::Str(ids::kDecimalSymbolDefault));
    const std::string defaultFormat = ToStd(CResources::Str(ids::kDateFormatDefault));

    m_tabs = new QTabWidget(this);
    m_columns = new CDimensionsPropPage(doc.GetColumns(), doc.GetWidths(), m_tabs);
    m_colors = new CCouleursPropPage(doc.GetColors(), doc.GetFont(), settings, m_tabs);
    m_directories = new CRepertoirePropPage(
        DirectoryPreferences::Read(settings, ToStd(DefaultCalculator())), m_tabs);
    m_display = new CAffichagePropPage(
        DisplayPreferences::Read(settings, defaultSymbol, defaultFormat), defaultFormat, m_tabs);
    for (CPropPage* page :
         {static_cast<CPropPage*>(m_columns), static_cast<CPropPage*>(m_colors),
          static_cast<CPropPage*>(m_directories), static_cast<CPropPage*>(m_display)})
        m_tabs->addTab(page, dlg::Text(page->Dialog(), 0));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(m_visited.size()))
            m_visited[index] = true;
    });

    // OK and Cancel, no Apply.
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = dlg::Named(buttons->addButton(QDialogButtonBox::Ok), 1);
    QPushButton* cancel = dlg::Named(buttons->addButton(QDialogButtonBox::Cancel), 2);
    // The program's texts, with the mnemonic of every dialog's OK.
    ok->setText(CResources::Str(ids::kOkButtonText));
    cancel->setText(CResources::Str(ids::kCancelButtonText));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesSheet::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
}

CPropPage* CPreferencesSheet::PageAt(int index) const {
    return static_cast<CPropPage*>(m_tabs->widget(index));
}

int CPreferencesSheet::Run() {
    m_visited[m_tabs->currentIndex()] = true;
    return RunModal(*this);
}

void CPreferencesSheet::accept() {
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (!m_visited[i])
            continue;
        if (!PageAt(i)->Check()) {
            m_tabs->setCurrentIndex(i);
            return;
        }
    }
    QDialog::accept();
}

}  // namespace belvane
