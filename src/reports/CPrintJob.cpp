#include "reports/CPrintJob.h"

#include "core/CBelvaneDoc.h"
#include "core/CRegistre.h"
#include "reports/PrintTexts.h"

#include <algorithm>
#include <array>
#include <string>

namespace belvane {

namespace {

// At most `n` characters of a UTF-8 text.
std::string FirstChars(const std::string& text, int n) {
    std::size_t i = 0;
    for (int count = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80 && count++ == n)
            break;
    }
    return text.substr(0, i);
}

// Cuts a row to the characters that can show on the page, and its trailing
// blanks: what lies beyond the right edge is never seen, and laying it out
// would cost the printer most of its time on wide rows.
void CutRow(std::string& text, int maxChars) {
    std::size_t i = 0;
    for (int count = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80 && count++ == maxChars)
            break;
    }
    text.resize(i);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
}

PrintStep Text(PrintFontId font, PrintStep::Align align, int x, int y, std::string text) {
    return PrintStep::Text(font, align, x, y, std::move(text));
}

}  // namespace

CPrintJob CPrintJob::RegisterLines(const CBelvaneDoc& doc, const PrintOptions& options,
                                   LineRange range) {
    CPrintJob job(PrintKind::RegisterLines, doc, options);
    job.m_range = range;
    return job;
}

CPrintJob CPrintJob::MatchingLines(const CBelvaneDoc& doc, const PrintOptions& options,
                                   const MatchingLinesPrint& data) {
    CPrintJob job(PrintKind::MatchingLines, doc, options);
    job.m_matching = &data;
    return job;
}

CPrintJob CPrintJob::CategoryTotals(const CBelvaneDoc& doc, const PrintOptions& options,
                                    const CategoryTotalsPrint& data) {
    CPrintJob job(PrintKind::CategoryTotals, doc, options);
    job.m_totals = &data;
    return job;
}

CPrintJob CPrintJob::Charts(const CBelvaneDoc& doc, const PrintOptions& options,
                            const ChartsPrint& data) {
    CPrintJob job(PrintKind::Charts, doc, options);
    job.m_charts = &data;
    return job;
}

void CPrintJob::Begin(const PrintDevice& device) {
    m_device = device;
    m_metrics = ComputePrintMetrics(m_kind, device);
    // Characters of a row that may show: all as wide as the widest with a
    // fixed-pitch font; with another, none narrower than half the average.
    const PrintFontMetrics& font = device.lines;
    const int narrowest =
        font.averageWidth == font.maxWidth ? font.maxWidth : font.averageWidth / 2;
    m_rowChars = device.pageWidth / std::max(narrowest, 1) + 1;
    const int rows = m_metrics.rows;
    switch (m_kind) {
        case PrintKind::RegisterLines:
            m_map = RegisterPageMap(*m_doc, m_range, m_options.sorted);
            m_pageCount = PrintPageCount(static_cast<std::int64_t>(m_map.size()), rows);
            break;
        case PrintKind::MatchingLines:
            m_map.assign(m_matching->lines.begin(), m_matching->lines.end());
            m_pageCount = PrintPageCount(static_cast<std::int64_t>(m_map.size()), rows);
            break;
        case PrintKind::CategoryTotals: {
            int widest = 0;
            for (const CategoryTotalRow& row : m_totals->rows)
                widest = std::max(widest, static_cast<int>(row.subcategories.size()));
            m_grid = ComputeTotalsGrid(device.pageWidth, m_metrics.unit, rows,
                                       static_cast<int>(m_totals->rows.size()), widest);
            m_map = TotalsPageMap(m_grid, rows);
            m_pageCount = PrintPageCount(static_cast<std::int64_t>(m_map.size() / 2), 1);
            break;
        }
        case PrintKind::Charts:
            m_map.clear();
            m_barsPerPage = ChartBarsPerPage(device.pageWidth, m_metrics.unit);
            m_largest = 0;
            for (const ChartPeriod& p : m_charts->periods)
                m_largest = std::max({m_largest, p.credits, p.debits});
            m_pageCount =
                PrintPageCount(static_cast<std::int64_t>(m_charts->periods.size()), m_barsPerPage);
            break;
    }
    m_mapped = m_map.size();
}

void CPrintJob::End() {
    m_map.clear();
    m_map.shrink_to_fit();
}

void CPrintJob::LayPage(int page, PrintPage& out) const {
    out.steps.clear();
    const std::string header =
        m_kind == PrintKind::RegisterLines
            ? RegisterPrintHeader(*m_doc, m_options.from, m_options.to)
            : PrintHeader(*m_doc, m_kind == PrintKind::MatchingLines    ? m_matching->printTitle
                                  : m_kind == PrintKind::CategoryTotals ? m_totals->printTitle
                                                                        : m_charts->printTitle);
    const int centre = m_device.pageWidth / 2;
    out.steps.push_back(Text(PrintFontId::HeaderUnderlined, PrintStep::Align::TopCentre, centre,
                             m_metrics.titleY, header));
    out.steps.push_back(Text(PrintFontId::HeaderPlain, PrintStep::Align::TopCentre, centre,
                             m_metrics.footerY, PrintFooter(*m_doc, page, m_pageCount)));
    switch (m_kind) {
        case PrintKind::RegisterLines:
        case PrintKind::MatchingLines:
            LayLines(page, out);
            break;
        case PrintKind::CategoryTotals:
            LayTotals(page, out);
            break;
        case PrintKind::Charts:
            LayChart(page, out);
            break;
    }
}

void CPrintJob::LayLines(int page, PrintPage& out) const {
    const PrintMetrics& m = m_metrics;
    const bool full = !m_options.screenWidths;
    std::array<int, 6> widths = {-1, -1, -1, -1, -1, -1};
    if (full)
        widths = CRegistre::kDefaultWidths;
    std::string titles = m_doc->FormatHeader(full);
    CutRow(titles, m_rowChars);
    out.steps.push_back(
        Text(PrintFontId::Lines, PrintStep::Align::TopLeft, 0, m.bodyTop, std::move(titles)));
    out.steps.push_back(PrintStep::Line(PrintPen::Rule, 0, m.bodyTop + m.lineHeight,
                                        m_device.pageWidth, m.bodyTop + m.lineHeight));
    const std::size_t first = static_cast<std::size_t>(page - 1) * m.rows;
    const std::size_t end = std::min(first + static_cast<std::size_t>(m.rows), m_map.size());
    int y = m.bodyTop + m.lineHeight;
    for (std::size_t i = first; i < end; ++i, y += m.lineHeight) {
        const int index = m_map[i];
        if (index < 0 || index >= m_doc->GetLineCount())
            continue;
        PrintStep row = Text(PrintFontId::Lines, PrintStep::Align::TopLeft, 0, y, {});
        m_doc->FormatLine(row.text, index, widths);
        CutRow(row.text, m_rowChars);
        out.steps.push_back(std::move(row));
    }
}

void CPrintJob::LayTotals(int page, PrintPage& out) const {
    const PrintMetrics& m = m_metrics;
    const std::size_t at = static_cast<std::size_t>(page - 1) * 2;
    if (at + 1 >= m_map.size())
        return;
    const int firstRow = m_map[at];
    const int firstColumn = m_map[at + 1];
    const int w = m.unit;
    const int l = m.lineHeight;
    const int rows = static_cast<int>(m_totals->rows.size());
    for (int r = firstRow; r < rows && r < firstRow + m.rows; ++r) {
        const CategoryTotalRow& row = m_totals->rows[static_cast<std::size_t>(r)];
        const int top = m.bodyTop + (r - firstRow) * l;
        for (int c = 0; c < m_grid.columns; ++c) {
            const int column = firstColumn + c;
            if (column >= static_cast<int>(row.subcategories.size()))
                break;
            const int left = c * w;
            out.steps.push_back(
                PrintStep::Rect(PrintPen::Rule, PrintBrush::None, left, top, left + w, top + l));
            const std::string* name = &row.name;
            std::int64_t total = row.total;
            if (column < 0) {
                out.steps.push_back(PrintStep::Rect(PrintPen::Rule, PrintBrush::None, left + w / 36,
                                                    top + l / 18, left + w - w / 36,
                                                    top + l - l / 18));
            } else {
                const SubcategoryTotal& sub = row.subcategories[static_cast<std::size_t>(column)];
                name = &sub.name;
                total = sub.total;
            }
            const int x = left + ((w / 18) * 3) / 2;
            out.steps.push_back(Text(PrintFontId::Lines, PrintStep::Align::TopLeft, x, top + l / 6,
                                     FirstChars(*name, 15)));
            out.steps.push_back(Text(PrintFontId::Lines, PrintStep::Align::TopLeft, x,
                                     top + l / 6 + l / 3, FormatTotal(*m_doc, total, 15)));
        }
    }
}

void CPrintJob::LayChart(int page, PrintPage& out) const {
    const PrintMetrics& m = m_metrics;
    const int w = m.unit;
    const int l = m.lineHeight;
    const int graphWidth = m_device.graph.averageWidth;
    const int reserved = m_options.values ? w + 2 * (5 * graphWidth + 5) : 0;
    const int available = m.bodyBottom - m.bodyTop - reserved;
    if (available <= 3 * l || m_largest == 0)
        return;
    const double scale = static_cast<double>(available - 3 * l) / static_cast<double>(m_largest);
    const int baseline = m.bodyBottom - 2 * l - 5;
    out.steps.push_back(
        PrintStep::Line(PrintPen::Rule, 0, baseline, m_device.pageWidth + 1, baseline));

    auto bar = [&](int left, std::int64_t value, bool positive) {
        const int height = static_cast<int>(static_cast<double>(value) * scale);
        const int top = baseline - height;
        const int right = left + 5 * w;
        const PrintPen depth = positive ? PrintPen::DepthPositive : PrintPen::DepthNegative;
        for (int j = 1; j <= w - 1; ++j) {
            out.steps.push_back(PrintStep::Line(depth, left + j, top - j, right + j, top - j));
            out.steps.push_back(
                PrintStep::Line(depth, right + j, top - j, right + j, baseline - j + 1));
        }
        out.steps.push_back(PrintStep::Rect(PrintPen::Thin,
                                            positive ? PrintBrush::Positive : PrintBrush::Negative,
                                            left, top, right + 1, baseline + 1));
        const int d = w - 1;
        out.steps.push_back(PrintStep::Line(PrintPen::Thin, left, top, left + d, top - d));
        out.steps.push_back(PrintStep::Line(PrintPen::Thin, left + d, top - d, right + d, top - d));
        out.steps.push_back(PrintStep::Line(PrintPen::Thin, right, top, right + d, top - d));
        out.steps.push_back(
            PrintStep::Line(PrintPen::Thin, right + d, top - d, right + d, baseline - d));
        out.steps.push_back(
            PrintStep::Line(PrintPen::Thin, right + d, baseline - d, right, baseline));
        return height;
    };

    const auto& periods = m_charts->periods;
    const std::size_t first = static_cast<std::size_t>(page - 1) * m_barsPerPage;
    const std::size_t end =
        std::min(first + static_cast<std::size_t>(m_barsPerPage), periods.size());
    int x = 0;
    for (std::size_t i = first; i < end; ++i, x += 15 * w) {
        const ChartPeriod& period = periods[i];
        const int up = period.credits > 0 ? bar(x, period.credits, true) : 0;
        const int down = period.debits > 0 ? bar(x + 5 * w, period.debits, false) : 0;
        PrintStep label = Text(PrintFontId::Lines, PrintStep::Align::CentreInRect, x - w,
                               baseline + 3, period.label);
        label.x2 = x + 11 * w;
        label.y2 = baseline + 2 * l + 3;
        out.steps.push_back(std::move(label));
        if (m_options.values) {
            out.steps.push_back(Text(PrintFontId::Graph, PrintStep::Align::Upwards,
                                     x + 5 * w / 2 - graphWidth / 2, baseline - up - w - 10,
                                     FormatTotal(*m_doc, period.credits, 0)));
            out.steps.push_back(Text(PrintFontId::Graph, PrintStep::Align::Upwards,
                                     x + 5 * w + 5 * w / 2 - graphWidth / 2,
                                     baseline - down - w - 10,
                                     FormatTotal(*m_doc, -period.debits, 0)));
        }
    }
}

}  // namespace belvane
