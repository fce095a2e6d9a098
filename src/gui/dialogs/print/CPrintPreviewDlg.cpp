#include "gui/dialogs/print/CPrintPreviewDlg.h"

#include "core/CBelvaneDoc.h"
#include "gui/paint/CPrintPainter.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/paint/PrintPages.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/WindowSizing.h"
#include "reports/PrintPrepare.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 251;
constexpr int kPrint = 1, kClose = 2, kNext = 3, kPrevious = 4, kTwoPages = 5, kOnePage = 6;

CPrintJob MakeJob(const CBelvaneDoc& doc, const PrintOptions& options) {
    PrintOptions all = options;
    return CPrintJob::RegisterLines(doc, all, SelectPrintRange(doc, false, all));
}

}  // namespace

CPrintPreviewDlg::CPrintPreviewDlg(const CBelvaneDoc& doc, const PrintOptions& options,
                                   QWidget* parent)
    : QDialog(parent),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_job(MakeJob(doc, options)) {
    dlg::SetTitle(this, kDialog);
    CQtSettings settings;
    m_setup = CurrentPageSetup(CResources::Active(), &settings);
    // Measured on the kind of device the pages are printed on.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setResolution(kPrintDpi);
    m_printer->setPageLayout(ToPageLayout(m_setup));
    m_painter = std::make_unique<CPrintPainter>(ReadPrintFonts(&settings), options.colour);
    BeginPrintJob(m_job, *m_painter, *m_printer, m_setup);

    QPushButton* print = dlg::Button(this, kDialog, kPrint);
    QPushButton* close = dlg::Button(this, kDialog, kClose);
    m_next = dlg::Button(this, kDialog, kNext);
    m_next->setDefault(true);  // Enter turns the pages
    m_previous = dlg::Button(this, kDialog, kPrevious);
    m_pages = dlg::Button(this, kDialog, kTwoPages);
    m_canvas = new QWidget(this);
    m_canvas->setObjectName(QStringLiteral("pages"));
    m_canvas->setMinimumSize(400, 500);
    m_canvas->installEventFilter(this);

    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {print, m_next, m_previous, m_pages, close})
        bar->addWidget(b);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_canvas, 1);

    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_next, &QPushButton::clicked, this, [this] { ShowPage(m_page + (m_two ? 2 : 1)); });
    connect(m_previous, &QPushButton::clicked, this,
            [this] { ShowPage(m_page - (m_two ? 2 : 1)); });
    connect(m_pages, &QPushButton::clicked, this, [this] {
        m_two = !m_two;
        m_pages->setText(dlg::Text(kDialog, m_two ? kOnePage : kTwoPages));
        ShowPage(m_page);
    });
    // A page as tall as the screen allows, as wide as its paper is for that.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 1000);
    const PageArea page = ComputePageArea(m_setup, kPrintDpi);
    const int height = std::min(1000, available.height() * 9 / 10);
    const int width = static_cast<int>(height * static_cast<double>(page.paperWidth) /
                                       std::max(page.paperHeight, 1));
    dlg::SizeWindow(this, kDialog,
                    QSize(std::clamp(width, 500, available.width() * 9 / 10), height));
    ShowPage(1);
}

CPrintPreviewDlg::~CPrintPreviewDlg() {
    m_job.End();
}

void CPrintPreviewDlg::ShowPage(int page) {
    const int count = m_job.PageCount();
    const int last = m_two ? std::max(1, count - 1) : count;
    m_page = std::clamp(page, 1, last);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < last);
    m_canvas->update();
}

bool CPrintPreviewDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Paint) {
        PaintPages();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CPrintPreviewDlg::PaintPages() {
    QPainter painter(m_canvas);
    painter.fillRect(m_canvas->rect(), Qt::gray);
    const int shown = m_two && m_job.PageCount() > 1 ? 2 : 1;
    const int margin = 10;
    const PageArea area = ComputePageArea(m_setup, kPrintDpi);
    const double paperW = std::max(1, area.paperWidth);
    const double paperH = std::max(1, area.paperHeight);
    const double slotW = (m_canvas->width() - margin * (shown + 1)) / static_cast<double>(shown);
    const double scale =
        std::max(0.01, std::min(slotW / paperW, (m_canvas->height() - 2.0 * margin) / paperH));
    PrintPage page;
    for (int i = 0; i < shown; ++i) {
        painter.save();
        painter.translate(margin + i * (slotW + margin), margin);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(0, 0, paperW, paperH), Qt::white);
        painter.setClipRect(QRectF(0, 0, paperW, paperH));
        painter.translate(area.left, area.top);
        m_job.LayPage(m_page + i, page);
        m_painter->Paint(painter, page);
        painter.restore();
    }
}

}  // namespace belvane
