#include "gui/paint/CPrintPainter.h"

#include "gui/paint/QtText.h"
#include "reports/PageSetup.h"
#include "reports/PrintColumns.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace belvane {

namespace {

QFont MakeFont(const PrintFontCode& code, int dpiY) {
    QFont font(FromStd(code.face));
    font.setPixelSize(std::max(1, std::abs(PrintFontHeight(code.sizeTenths, dpiY))));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(code.weight, 1, 1000)));
    font.setItalic(code.italic);
    return font;
}

PrintFontMetrics MetricsOf(const QFont& font, const QPaintDevice& device) {
    const QFontMetrics fm(font, &device);
    return {fm.height(), std::max(0, fm.leading()), fm.averageCharWidth(), fm.maxWidth()};
}

}  // namespace

CPrintPainter::CPrintPainter(const PrintFonts& fonts, bool colour) : m_colour(colour) {
    const int dpi = kPrintDpi;
    m_headerPlain = MakeFont(fonts.header, dpi);
    m_headerUnderlined = m_headerPlain;
    m_headerUnderlined.setUnderline(true);
    m_lines = MakeFont(fonts.lines, dpi);
    m_graph = MakeFont(fonts.graph, dpi);
}

void CPrintPainter::FitLines(int chars, int pageWidth, const QPaintDevice& device) {
    QFont font = m_lines;
    const int size = FittedFontSize(m_lines.pixelSize(), chars, pageWidth, [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font, &device).maxWidth();
    });
    m_lines.setPixelSize(size);
}

PrintDevice CPrintPainter::Measure(const QPaintDevice& device, int pageWidth,
                                   int pageHeight) const {
    PrintDevice out;
    out.pageWidth = pageWidth;
    out.pageHeight = pageHeight;
    out.header = MetricsOf(m_headerPlain, device);
    out.lines = MetricsOf(m_lines, device);
    out.graph = MetricsOf(m_graph, device);
    return out;
}

const QFont& CPrintPainter::Font(PrintFontId id) const {
    switch (id) {
        case PrintFontId::HeaderUnderlined:
            return m_headerUnderlined;
        case PrintFontId::HeaderPlain:
            return m_headerPlain;
        case PrintFontId::Lines:
            return m_lines;
        case PrintFontId::Graph:
            break;
    }
    return m_graph;
}

void CPrintPainter::Paint(QPainter& painter, const PrintPage& page) const {
    const QColor depthPositive = m_colour ? QColor(0, 192, 0) : QColor(Qt::black);
    const QColor depthNegative = m_colour ? QColor(192, 0, 0) : QColor(Qt::black);
    auto pen = [&](PrintPen p) {
        switch (p) {
            case PrintPen::Rule:
                return QPen(Qt::black, 2);
            case PrintPen::Thin:
                return QPen(Qt::black, 1);
            case PrintPen::DepthPositive:
                return QPen(depthPositive, 1);
            case PrintPen::DepthNegative:
                break;
        }
        return QPen(depthNegative, 1);
    };
    auto brush = [&](PrintBrush b) {
        switch (b) {
            case PrintBrush::None:
                return QBrush(Qt::NoBrush);
            case PrintBrush::Positive:
                return m_colour ? QBrush(QColor(0, 255, 0))
                                : QBrush(Qt::black, Qt::DiagCrossPattern);
            case PrintBrush::Negative:
                break;
        }
        return m_colour ? QBrush(QColor(255, 0, 0)) : QBrush(Qt::black, Qt::CrossPattern);
    };

    painter.setBackgroundMode(Qt::TransparentMode);
    int ascent[4];
    for (const PrintFontId id : {PrintFontId::HeaderUnderlined, PrintFontId::HeaderPlain,
                                 PrintFontId::Lines, PrintFontId::Graph})
        ascent[static_cast<int>(id)] = QFontMetrics(Font(id), painter.device()).ascent();
    for (const PrintStep& s : page.steps) {
        switch (s.type) {
            case PrintStep::Type::Line:
                painter.setPen(pen(s.pen));
                painter.drawLine(s.x1, s.y1, s.x2, s.y2);
                break;
            case PrintStep::Type::Rect:
                painter.setPen(pen(s.pen));
                painter.setBrush(brush(s.brush));
                painter.drawRect(s.x1, s.y1, s.x2 - s.x1 - 1, s.y2 - s.y1 - 1);
                break;
            case PrintStep::Type::Text: {
                const QFont& font = Font(s.font);
                painter.setFont(font);
                painter.setPen(Qt::black);
                const int up = ascent[static_cast<int>(s.font)];
                const QString text = FromStd(s.text);
                switch (s.align) {
                    case PrintStep::Align::TopLeft:
                        painter.drawText(s.x1, s.y1 + up, text);
                        break;
                    case PrintStep::Align::TopRight:
                        painter.drawText(
                            s.x1 - QFontMetrics(font, painter.device()).horizontalAdvance(text),
                            s.y1 + up, text);
                        break;
                    case PrintStep::Align::TopCentre:
                        painter.drawText(
                            s.x1 - QFontMetrics(font, painter.device()).horizontalAdvance(text) / 2,
                            s.y1 + up, text);
                        break;
                    case PrintStep::Align::CentreInRect:
                        painter.drawText(QRect(s.x1, s.y1, s.x2 - s.x1, s.y2 - s.y1),
                                         Qt::AlignHCenter | Qt::AlignTop, text);
                        break;
                    case PrintStep::Align::Upwards:
                        painter.save();
                        painter.translate(s.x1, s.y1);
                        painter.rotate(-90);
                        painter.drawText(0, up, text);
                        painter.restore();
                        break;
                }
                break;
            }
        }
    }
}

}  // namespace belvane
