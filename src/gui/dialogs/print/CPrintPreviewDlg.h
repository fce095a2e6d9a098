#pragma once

#include "reports/CPrintJob.h"
#include "reports/PageSetup.h"

#include <QDialog>

#include <memory>

class QPrinter;
class QPushButton;

namespace belvane {

class CBelvaneDoc;
class CPrintPainter;

// The print preview of the register: the pages of the job as the printer gets
// them (the same paper, margins and lines a page), one or two at a time, each
// laid out and drawn only when it is shown, so that the first page of a
// register of any size shows at once. Buttons:
// "1" Imprimer... (closes the preview with Accepted: the caller prints through
// the dialog), "2" Fermer, "3" Suivante, "4" Précédente, "5" Deux pages / Une
// page.
class CPrintPreviewDlg : public QDialog {
    Q_OBJECT

public:
    CPrintPreviewDlg(const CBelvaneDoc& doc, const PrintOptions& options,
                     QWidget* parent = nullptr);
    ~CPrintPreviewDlg() override;

    int PageCount() const { return m_job.PageCount(); }
    int CurrentPage() const { return m_page; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPage(int page);
    void PaintPages();

    std::unique_ptr<QPrinter> m_printer;
    PageSetup m_setup;
    std::unique_ptr<CPrintPainter> m_painter;
    CPrintJob m_job;
    QWidget* m_canvas = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_pages = nullptr;
    int m_page = 1;
    bool m_two = false;
};

}  // namespace belvane
