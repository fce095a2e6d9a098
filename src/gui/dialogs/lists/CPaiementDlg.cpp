#include "gui/dialogs/lists/CPaiementDlg.h"

#include "core/ReferenceLists.h"
#include "core/ValueFormat.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/EntryName.h"
#include "uilogic/PaiementForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 164;
// "-999", and one more so that a longer number is refused rather than cut.
constexpr int kParamChars = 5;

}  // namespace

// The up-down buttons attached to a parameter field: each step reads the field,
// moves the position within the range and writes it back as a number.
class CPaiementDlg::SpinButtons : public QWidget {
public:
    SpinButtons(QLineEdit* buddy, int control, QWidget* parent) : QWidget(parent), m_buddy(buddy) {
        dlg::Named(this, control);
        auto* up = new QToolButton(this);
        up->setObjectName(QStringLiteral("up"));
        up->setArrowType(Qt::UpArrow);
        up->setAutoRepeat(true);
        auto* down = new QToolButton(this);
        down->setObjectName(QStringLiteral("down"));
        down->setArrowType(Qt::DownArrow);
        down->setAutoRepeat(true);
        for (QToolButton* b : {up, down}) {
            b->setFocusPolicy(Qt::NoFocus);
            b->setFixedSize(16, 11);
        }
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(up);
        layout->addWidget(down);
        connect(up, &QToolButton::clicked, this, [this] { Step(1); });
        connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    }

    void SetRange(int minimum, int maximum) {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void SetPosition(int position) {
        m_position = std::clamp(position, m_minimum, m_maximum);
        m_buddy->setText(QString::number(m_position));
    }

private:
    void Step(int by) {
        if (const std::optional<int> typed = ParseSmallNumber(ToStd(m_buddy->text())))
            m_position = std::clamp(*typed, m_minimum, m_maximum);
        SetPosition(m_position + by);
    }

    QLineEdit* m_buddy;
    int m_minimum = 0;
    int m_maximum = 0;
    int m_position = 0;
};

CPaiementDlg::CPaiementDlg(const CBelvaneDoc& doc, CPaiement& paiement, bool nouveau,
                           QWidget* parent)
    : QDialog(parent), m_doc(doc), m_paiement(paiement), m_opened(paiement) {
    dlg::SetEntryTitle(this, kDialog, nouveau, 10051);
    m_name = dlg::NameEdit(this, 1031, paiement.m_nom);
    m_method = dlg::Named(new QComboBox(this), 1033);
    m_method->addItems(dlg::Entries(kDialog, 1033));

    m_label1 = dlg::Named(new QLabel(this), 1069);
    m_label1->setWordWrap(true);
    m_edit1 = dlg::Edit(this, 1070, kParamChars);
    m_spin1 = new SpinButtons(m_edit1, 1080, this);
    m_label2 = dlg::Named(new QLabel(this), 1071);
    m_label2->setWordWrap(true);
    m_edit2 = dlg::Edit(this, 1072, kParamChars);
    m_spin2 = new SpinButtons(m_edit2, 1081, this);
    m_label1->setBuddy(m_edit1);
    m_label2->setBuddy(m_edit2);

    auto* params = new QGridLayout;
    params->addWidget(m_label1, 0, 0, 1, 2);
    params->addWidget(m_edit1, 1, 0);
    params->addWidget(m_spin1, 1, 1, Qt::AlignLeft);
    params->addWidget(m_label2, 2, 0, 1, 2);
    params->addWidget(m_edit2, 3, 0);
    params->addWidget(m_spin2, 3, 1, Qt::AlignLeft);
    params->setColumnStretch(1, 1);
    m_edit1->setMaximumWidth(60);
    m_edit2->setMaximumWidth(60);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1031, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1033, m_method));
    layout->addWidget(m_method);
    layout->addLayout(params);
    layout->addStretch();
    layout->addLayout(dlg::OkCancelRow(this, kDialog));
    setMinimumWidth(420);

    m_method->setCurrentIndex(paiement_form::CodeIndex(paiement));
    LayoutParameters();
    connect(m_method, &QComboBox::currentIndexChanged, this, &CPaiementDlg::LayoutParameters);
}

void CPaiementDlg::LayoutParameters() {
    const paiement_form::ParamArea area = paiement_form::Layout(m_method->currentIndex(), m_opened);
    const auto apply = [](const paiement_form::ParamField& field, QLabel* label, QLineEdit* edit,
                          SpinButtons* spin) {
        label->setVisible(field.shown);
        edit->setVisible(field.shown);
        spin->setVisible(field.shown);
        if (!field.shown)
            return;
        label->setText(CResources::Str(field.label));
        spin->SetRange(field.minimum, field.maximum);
        spin->SetPosition(field.value);
    };
    apply(area.first, m_label1, m_edit1, m_spin1);
    apply(area.second, m_label2, m_edit2, m_spin2);
}

void CPaiementDlg::accept() {
    const auto name = dlg::AcceptName(this, m_name, {10003, 10004}, [this](std::string_view nom) {
        return HasPaiement(m_doc, nom);
    });
    if (!name)
        return;
    paiement_form::Input input;
    input.nom = *name;
    input.code = m_method->currentIndex();
    input.first = ToStd(m_edit1->text());
    input.second = ToStd(m_edit2->text());
    if (const paiement_form::ParamRefusal refusal = paiement_form::CheckParameters(input);
        refusal.stringId != 0) {
        dlg::Refuse(this, refusal.stringId);
        dlg::FocusField(refusal.second ? m_edit2 : m_edit1);
        return;
    }
    paiement_form::Store(input, m_paiement);
    QDialog::accept();
}

}  // namespace belvane
