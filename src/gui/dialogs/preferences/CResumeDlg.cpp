#include "gui/dialogs/preferences/CResumeDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/LimitedTextEdit.h"
#include "gui/support/SignedAmountField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 177;
constexpr int kAnnotationsChars = 512;

// The one-line fields and their limits, in the dialog's order.
constexpr std::array<std::pair<int, int>, 5> kFields = {{
    {1095, 64},
    {1096, 64},
    {1097, 64},
    {1098, 256},
    {1099, 256},
}};

}  // namespace

CResumeDlg::CResumeDlg(const CBelvaneDoc& doc, QWidget* parent) : QDialog(parent) {
    setWindowTitle(FillPlaceholders(CResources::Str(ids::kTitleResume), {FromStd(doc.GetTitle())}));

    const Resume r = doc.GetResume();
    const std::array<const std::string*, 5> texts = {&r.banque, &r.agence, &r.numeroCompte,
                                                     &r.cartes, &r.titulaires};
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const auto [control, limit] = kFields[i];
        m_edits[i] = dlg::Edit(this, control, limit);
        dlg::ShowText(m_edits[i], FromStd(*texts[i]), limit);
        grid->addWidget(dlg::Label(this, kDialog, control, m_edits[i]), static_cast<int>(i), 0);
        grid->addWidget(m_edits[i], static_cast<int>(i), 1);
    }
    m_annotations = dlg::Named(new LimitedTextEdit(kAnnotationsChars, this), 1100);
    m_annotations->SetStoredText(FromStd(r.annotations));
    grid->addWidget(dlg::Label(this, kDialog, 1100, m_annotations), 5, 0, Qt::AlignTop);
    grid->addWidget(m_annotations, 5, 1);
    // The amount is shown even when it is 0.
    m_amount = new SignedAmountField(doc.Format(), this, kDialog);
    m_amount->Show(r.montantInitial, true, true);
    grid->addWidget(dlg::Label(this, kDialog, 1026, m_amount->Edit()), 6, 0);
    grid->addLayout(m_amount->NewRow(), 6, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    QHBoxLayout* buttons = dlg::OkCancelRow(this, kDialog);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-177")); });
    buttons->addWidget(help);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

Resume CResumeDlg::Values() const {
    Resume r;
    std::array<std::string*, 5> texts = {&r.banque, &r.agence, &r.numeroCompte, &r.cartes,
                                         &r.titulaires};
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = ToStd(m_edits[i]->text());
    r.annotations = ToStd(m_annotations->StoredText());
    r.montantInitial = m_amount->Value();
    return r;
}

void CResumeDlg::accept() {
    if (m_amount->Check())
        QDialog::accept();
}

}  // namespace belvane
