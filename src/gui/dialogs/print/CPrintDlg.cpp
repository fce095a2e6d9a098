#include "gui/dialogs/print/CPrintDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/print/CPageSetupDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 250;
constexpr int kPrinterGroup = 2001, kPrinterName = 2002, kProperties = 2003;
constexpr int kStateLabel = 2004, kTypeLabel = 2005, kWhereLabel = 2006, kCommentLabel = 2007;
constexpr int kRangeGroup = 2008, kAll = 2009, kFromTo = 2010, kAu = 2011;
constexpr int kScreenWidths = 2012, kSorted = 2013;
constexpr int kCopiesGroup = 2014, kCopiesLabel = 2015, kCollate = 2016;
constexpr int kValues = 2017, kColour = 2018;
constexpr int kFromDate = 2019, kToDate = 2020;
constexpr int kState = 2021, kType = 2022, kWhere = 2023, kComment = 2024, kCopies = 2025;
constexpr int kFitWidth = 2026;

QLabel* Value(QWidget* parent, int control) {
    return dlg::Named(new QLabel(parent), control);
}

}  // namespace

QString CPrintDlg::ProposedPdf(const CBelvaneDoc& doc) {
    const QString path = FromStd(doc.GetPathName());
    if (path.isEmpty())
        return FromStd(doc.GetTitle()) + QStringLiteral(".pdf");
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

CPrintDlg::CPrintDlg(const CBelvaneDoc& doc, const PrintOptions& options, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);

    auto* printerGroup =
        dlg::Named(new QGroupBox(dlg::Text(kDialog, kPrinterGroup), this), kPrinterGroup);
    m_printer = dlg::Named(new QComboBox(printerGroup), kPrinterName);
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        m_printer->addItem(name, name);
    const QStringList pdf = dlg::Entries(kDialog, kPrinterName);
    m_printer->addItem(pdf.value(0), QString());
    const int chosen = defaultPrinter.isEmpty() ? -1 : m_printer->findData(defaultPrinter);
    m_printer->setCurrentIndex(chosen >= 0 ? chosen : m_printer->count() - 1);
    QLabel* nameLabel = dlg::Label(printerGroup, kDialog, kPrinterName, m_printer);
    nameLabel->setObjectName(QStringLiteral("label%1").arg(kPrinterName));
    m_properties = dlg::Button(printerGroup, kDialog, kProperties);
    m_state = Value(printerGroup, kState);
    m_type = Value(printerGroup, kType);
    m_where = Value(printerGroup, kWhere);
    m_comment = Value(printerGroup, kComment);
    auto* printerGrid = new QGridLayout(printerGroup);
    printerGrid->addWidget(nameLabel, 0, 0);
    printerGrid->addWidget(m_printer, 0, 1);
    printerGrid->addWidget(m_properties, 0, 2);
    const std::pair<int, QLabel*> details[] = {{kStateLabel, m_state},
                                               {kTypeLabel, m_type},
                                               {kWhereLabel, m_where},
                                               {kCommentLabel, m_comment}};
    int row = 1;
    for (const auto& [caption, value] : details) {
        printerGrid->addWidget(dlg::Label(printerGroup, kDialog, caption), row, 0);
        printerGrid->addWidget(value, row++, 1, 1, 2);
    }

    m_range = dlg::Named(new QGroupBox(dlg::Text(kDialog, kRangeGroup), this), kRangeGroup);
    m_all = dlg::Radio(m_range, kDialog, kAll);
    m_fromTo = dlg::Radio(m_range, kDialog, kFromTo);
    m_from = new CDateEdit(doc.Format(), true, kFromDate, m_range);
    m_to = new CDateEdit(doc.Format(), true, kToDate, m_range);
    m_au = dlg::Label(m_range, kDialog, kAu, m_to);
    m_au->setObjectName(QString::number(kAu));
    m_screenWidths = dlg::CheckBox(m_range, kDialog, kScreenWidths);
    m_fitWidth = dlg::CheckBox(m_range, kDialog, kFitWidth);
    m_sorted = dlg::CheckBox(m_range, kDialog, kSorted);
    m_values = dlg::CheckBox(m_range, kDialog, kValues);
    m_colour = dlg::CheckBox(m_range, kDialog, kColour);
    auto* rangeGrid = new QGridLayout(m_range);
    rangeGrid->addWidget(m_all, 0, 0);
    rangeGrid->addWidget(m_values, 0, 1, 1, 3);
    rangeGrid->addWidget(m_fromTo, 1, 0);
    rangeGrid->addWidget(m_from, 1, 1);
    rangeGrid->addWidget(m_au, 1, 2);
    rangeGrid->addWidget(m_to, 1, 3);
    rangeGrid->addWidget(m_colour, 2, 0, 1, 4);
    rangeGrid->addWidget(m_screenWidths, 3, 0, 1, 4);
    rangeGrid->addWidget(m_fitWidth, 4, 0, 1, 4);
    rangeGrid->addWidget(m_sorted, 5, 0, 1, 4);

    auto* copiesGroup =
        dlg::Named(new QGroupBox(dlg::Text(kDialog, kCopiesGroup), this), kCopiesGroup);
    m_copies = dlg::Named(new QSpinBox(copiesGroup), kCopies);
    m_copies->setRange(1, 999);
    QLabel* copiesLabel = dlg::Label(copiesGroup, kDialog, kCopiesLabel, m_copies);
    copiesLabel->setObjectName(QString::number(kCopiesLabel));
    m_collate = dlg::CheckBox(copiesGroup, kDialog, kCollate);
    m_collate->setChecked(true);
    auto* copiesRow = new QHBoxLayout(copiesGroup);
    copiesRow->addWidget(copiesLabel);
    copiesRow->addWidget(m_copies);
    copiesRow->addWidget(m_collate);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerGroup);
    layout->addWidget(m_range);
    layout->addWidget(copiesGroup);
    layout->addLayout(dlg::OkCancelRow(this, kDialog));

    // The dates of the options; "Tout" at every opening all the same.
    m_from->SetValue(options.from);
    m_to->SetValue(options.to);
    m_all->setChecked(true);
    m_screenWidths->setChecked(options.screenWidths);
    m_fitWidth->setChecked(options.fitWidth);
    m_sorted->setChecked(options.sorted);
    m_values->setChecked(options.values);
    m_colour->setChecked(options.colour);
    ApplyFlags(options.dialogFlags);
    ShowPrinter();

    connect(m_from, &QLineEdit::textEdited, this, &CPrintDlg::DateEdited);
    connect(m_to, &QLineEdit::textEdited, this, &CPrintDlg::DateEdited);
    connect(m_printer, &QComboBox::currentIndexChanged, this, &CPrintDlg::ShowPrinter);
    connect(m_properties, &QPushButton::clicked, this, [this] { EditPageSetup(this); });
}

void CPrintDlg::ApplyFlags(int flags) {
    auto hide = [](QWidget* w) {
        w->setVisible(false);
        w->setEnabled(false);
    };
    QWidget* range[] = {m_all, m_fromTo, m_from, m_to, m_au};
    if (flags & kHideRange) {
        for (QWidget* w : range)
            hide(w);
    }
    if (flags & kHideScreenWidths) {
        hide(m_screenWidths);
        hide(m_fitWidth);
    }
    if (flags & kHideSorted)
        hide(m_sorted);
    if (flags & kHideRangeGroup)
        hide(m_range);
    if (flags & kDisableSorted)
        m_sorted->setEnabled(false);
    if (flags & kDisableRange) {
        for (QWidget* w : range)
            w->setEnabled(false);
    }
    const bool chart = (flags & kShowChartOptions) != 0;
    m_values->setVisible(chart);
    m_values->setEnabled(chart);
    m_colour->setVisible(chart);
    m_colour->setEnabled(chart);
    if (chart)
        m_range->setTitle(CResources::Str(ids::kTitlePrintParameters));
}

void CPrintDlg::ShowPrinter() {
    const QString name = PrinterName();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    const bool known = !name.isEmpty() && !info.isNull();
    const QStringList states = dlg::Entries(kDialog, kState);
    const int state = known ? static_cast<int>(info.state()) : -1;
    m_state->setText(state >= 0 && state < states.size() ? states[state] : QString());
    m_type->setText(known ? info.makeAndModel() : m_printer->currentText());
    m_where->setText(known ? info.location() : QString());
    m_comment->setText(known ? info.description() : QString());
}

void CPrintDlg::DateEdited() {
    m_fromTo->setChecked(true);
}

void CPrintDlg::StoreOptions(PrintOptions& options) const {
    options.screenWidths = m_screenWidths->isChecked();
    options.fitWidth = m_fitWidth->isChecked();
    options.sorted = m_sorted->isChecked();
    options.from = m_from->Value();
    options.to = m_to->Value();
    options.values = m_values->isChecked();
    options.colour = m_colour->isChecked();
}

bool CPrintDlg::FromTo() const {
    return m_fromTo->isChecked();
}

QString CPrintDlg::PrinterName() const {
    return m_printer->currentData().toString();
}

int CPrintDlg::Copies() const {
    return m_copies->value();
}

bool CPrintDlg::Collate() const {
    return m_collate->isChecked();
}

void CPrintDlg::accept() {
    // A button clicked by its mnemonic leaves no field: the dates are read here
    // too. Printing "&Du" a range, a date typed that does not read is refused.
    if (m_fromTo->isChecked()) {
        if (!m_from->Check() || !m_to->Check())
            return;
    } else {
        m_from->Rewrite();
        m_to->Rewrite();
    }
    m_pdfPath.clear();
    if (PrinterName().isEmpty()) {
        m_pdfPath = ChoosePath(this, {.kind = PathRequest::Kind::Save,
                                      .title = windowTitle(),
                                      .filter = QStringLiteral("PDF (*.pdf)"),
                                      .proposed = ProposedPdf(m_doc)});
        if (m_pdfPath.isEmpty())
            return;
    }
    QDialog::accept();
}

}  // namespace belvane
