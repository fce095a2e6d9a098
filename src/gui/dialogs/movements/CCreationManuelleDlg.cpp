#include "gui/dialogs/movements/CCreationManuelleDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/WindowSizing.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 187;
constexpr int kList = 1117;
constexpr int kCreate = 1;
constexpr int kClose = 2;

}  // namespace

CCreationManuelleDlg::CCreationManuelleDlg(CBelvaneDoc& doc, std::function<void(const CLigne&)> add,
                                           QWidget* parent)
    : QDialog(parent), m_doc(doc), m_add(std::move(add)) {
    dlg::SetTitle(this, kDialog);
    m_list = dlg::Named(new QListWidget(this), kList);
    for (int i = 0; i < doc.GetMouvementCount(); ++i)
        m_list->addItem(FromStd(doc.GetMouvement(i).GetTitre()));
    QPushButton* create = dlg::Button(this, kDialog, kCreate);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    QPushButton* close = dlg::Button(this, kDialog, kClose);
    create->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    dlg::SizeWindow(this, kDialog, QSize(380, 260));

    connect(create, &QPushButton::clicked, this, &CCreationManuelleDlg::Create);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CCreationManuelleDlg::Create);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-187")); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CCreationManuelleDlg::Create() {
    const int i = m_list->currentRow();
    if (i < 0 || m_list->selectedItems().isEmpty() || i >= m_doc.GetMouvementCount())
        return;
    if (m_doc.GetLineCount() >= CBelvaneDoc::kMaxLines) {
        dlg::Refuse(this, ids::kMsgMaxLines);
        return;
    }
    CLigne line(m_doc.GetMouvement(i));
    CLigneDlg entry(m_doc, this);
    if (entry.Run(line, CLigneDlg::kManualCreation, i) == QDialog::Accepted && m_add)
        m_add(line);
}

}  // namespace belvane
