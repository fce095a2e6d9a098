#include "gui/dialogs/maintenance/CExerciceDlg.h"

#include "core/StringIds.h"
#include "core/Text.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/DialogSupport.h"
#include "maintenance/NewYear.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 215;
constexpr int kMethod = 1204;
constexpr int kDate = 1023;
constexpr int kObservation = 1037;

// "Vous devez impérativement donner une date et un texte d'observation..."

}  // namespace

CExerciceDlg::CExerciceDlg(const ValueFormat& format, QWidget* parent) : QDialog(parent) {
    dlg::SetTitle(this, kDialog);
    m_methods = dlg::Named(new QComboBox(this), kMethod);
    m_methods->addItems(dlg::Entries(kDialog, kMethod));
    m_methods->setCurrentIndex(0);
    m_dateField = new CDateEdit(format, true, kDate, this);
    m_observationField = dlg::Edit(this, kObservation, dlg::kObservationChars);

    auto* form = new QFormLayout;
    form->addRow(dlg::Label(this, kDialog, kMethod, m_methods), m_methods);
    form->addRow(dlg::Label(this, kDialog, kDate, m_dateField), m_dateField);
    form->addRow(dlg::Label(this, kDialog, kObservation, m_observationField), m_observationField);
    QHBoxLayout* buttons = dlg::OkCancelRow(this, kDialog);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-215")); });
}

void CExerciceDlg::accept() {
    const int method = m_methods->currentIndex();
    const std::optional<DayDate> typed = m_dateField->Check();
    if (!typed)
        return;
    const DayDate date = *typed;
    const QString observation = m_observationField->text();
    if (NeedsDateAndObservation(method) && (date == 0 || text::IsBlank(ToStd(observation)))) {
        dlg::Refuse(this, ids::kMsgNewYearNeedsDateAndObservation);
        dlg::FocusField(date == 0 ? static_cast<QWidget*>(m_dateField) : m_observationField);
        return;
    }
    m_method = method;
    m_date = date;
    m_observation = observation;
    QDialog::accept();
}

}  // namespace belvane
