#include "gui/dialogs/maintenance/CApurationDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "core/StringIds.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/WindowSizing.h"
#include "maintenance/Purge.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 210;
constexpr int kArchiveTitle = 1192;
constexpr int kNumber = 1201;
constexpr int kLine = 1193;
constexpr int kLimit = 506;
constexpr int kPurgeLine = 1194;
constexpr int kNext = 1121;
constexpr int kPurgeAll = 1195;
constexpr int kClose = 2;

}  // namespace

CApurationDlg::CApurationDlg(CBelvaneDoc& doc, CBelvaneDoc& archive, const QString& archiveTitle,
                             QWidget* parent)
    : QDialog(parent), m_doc(doc), m_archive(archive) {
    dlg::SetTitle(this, kDialog);
    auto* to = new QLabel(dlg::Text(kDialog, kArchiveTitle), this);
    auto* title = dlg::Named(new QLabel(archiveTitle, this), kArchiveTitle);
    m_line = dlg::Named(new QLineEdit(this), kLine);
    m_line->setReadOnly(true);
    m_line->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The whole line when the screen allows (see the size below), its start at least.
    const int charWidth = m_line->fontMetrics().averageCharWidth();
    m_line->setMinimumWidth(charWidth * 40);
    m_number = dlg::Named(new QLabel(this), kNumber);
    m_number->setBuddy(m_line);
    m_limit = new CDateEdit(doc.Format(), true, kLimit, this);
    QLabel* limitLabel = dlg::Label(this, kDialog, kLimit, m_limit);
    m_purgeLine = dlg::Button(this, kDialog, kPurgeLine);
    m_next = dlg::Button(this, kDialog, kNext);
    m_next->setDefault(true);
    m_purgeAll = dlg::Button(this, kDialog, kPurgeAll);
    m_close = dlg::Button(this, kDialog, kClose);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);

    auto* grid = new QGridLayout;
    grid->addWidget(to, 0, 0);
    grid->addWidget(title, 0, 1);
    grid->addWidget(m_number, 1, 0);
    grid->addWidget(m_line, 1, 1);
    grid->addWidget(limitLabel, 2, 0);
    grid->addWidget(m_limit, 2, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_purgeLine, m_next, m_purgeAll, m_close, help})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(m_limit, &CDateEdit::left, this, &CApurationDlg::LeaveLimit);
    connect(m_purgeLine, &QPushButton::clicked, this, &CApurationDlg::PurgeShownLine);
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (LimitRead())
            Search();
    });
    connect(m_purgeAll, &QPushButton::clicked, this, &CApurationDlg::PurgeAll);
    connect(m_close, &QPushButton::clicked, this, &CApurationDlg::reject);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-210")); });

    m_limit->SetValue(DefaultPurgeLimit(doc));
    m_current = -1;
    Search();
    const int lineWidth = charWidth * (LineWidth(doc) + 2);
    dlg::SizeWindow(
        this, kDialog,
        QSize(sizeHint().width() - m_line->minimumWidth() + lineWidth, sizeHint().height()));
    if (m_current >= 0)
        m_limit->setFocus(Qt::OtherFocusReason);
}

bool CApurationDlg::LimitRead() {
    if (m_limit->text().isEmpty())
        m_limit->SetValue(DefaultPurgeLimit(m_doc));
    return m_limit->Check().has_value();
}

void CApurationDlg::Search() {
    const DayDate limit = m_limit->Value();
    m_current = NextPurgeCandidate(m_doc, m_current, limit);
    const bool found = m_current >= 0;
    if (found) {
        m_number->setText(FillPlaceholders(CResources::Str(ids::kPurgeLineNumber),
                                           {QString::number(m_current + 1)}));
        m_line->setText(FromStd(FormatLine(m_doc, m_current)));
        m_line->setCursorPosition(0);
    } else {
        m_number->clear();
        m_line->setText(CResources::Str(ids::kPurgeNothing));
    }
    for (QPushButton* b : {m_purgeLine, m_purgeAll, m_next})
        b->setEnabled(found);
    if (!found)
        m_close->setFocus(Qt::OtherFocusReason);
}

void CApurationDlg::LeaveLimit() {
    if (m_limit->text().isEmpty())
        m_limit->SetValue(DefaultPurgeLimit(m_doc));
    // A limit that does not read is refused by the buttons; the line shown stays.
    if (m_limit->Value() == 0)
        return;
    // The line shown is looked at again under the new limit.
    --m_current;
    Search();
}

void CApurationDlg::PurgeShownLine() {
    if (m_current < 0 || !LimitRead() ||
        dlg::AskYesNo(this, CResources::Str(ids::kAskPurgeLine)) != IMessageBox::Answer::Yes)
        return;
    if (!PurgeLine(m_doc, m_current, m_archive)) {
        dlg::Refuse(this, ids::kMsgCarryOverflow);
        return;
    }
    --m_current;
    Search();
}

void CApurationDlg::PurgeAll() {
    if (!LimitRead() ||
        dlg::AskYesNo(this, CResources::Str(ids::kAskPurgeAll)) != IMessageBox::Answer::Yes)
        return;
    const DayDate limit = m_limit->Value();
    if (!PurgeUpTo(m_doc, limit, m_archive))
        dlg::Refuse(this, ids::kMsgCarryOverflow);
    m_current = -1;
    Search();
}

}  // namespace belvane
