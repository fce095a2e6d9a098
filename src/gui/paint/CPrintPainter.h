#pragma once

#include "reports/PrintFontCode.h"
#include "reports/PrintPage.h"
#include "reports/PrintPageMap.h"

#include <QFont>

class QPainter;
class QPaintDevice;

namespace belvane {

// Carries out laid-out pages on a painter: the job's four fonts made for the
// resolution pages are laid out at, its pens and brushes (coloured, or black
// and hatched).
class CPrintPainter {
public:
    CPrintPainter(const PrintFonts& fonts, bool colour);

    // Makes the lines font smaller, when it must, so that `chars` of its
    // widest characters fit in `pageWidth`.
    void FitLines(int chars, int pageWidth, const QPaintDevice& device);
    // The page size and the fonts' metrics, in pixels at kPrintDpi.
    PrintDevice Measure(const QPaintDevice& device, int pageWidth, int pageHeight) const;
    void Paint(QPainter& painter, const PrintPage& page) const;

private:
    const QFont& Font(PrintFontId id) const;

    QFont m_headerUnderlined, m_headerPlain, m_lines, m_graph;
    bool m_colour;
};

}  // namespace belvane
