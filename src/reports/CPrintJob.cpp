#include "reports/CPrintJob.h"

#include "core/CBelvaneDoc.h"
#include "core/CRegistre.h"
#include "core/LineText.h"
#include "core/StringIds.h"
#include "core/Text.h"
#include "reports/PrintColumns.h"
#include "reports/PrintTexts.h"
#include "reports/ReportTitles.h"
#include "reports/SumFormat.h"

#include <algorithm>
#include <string>

namespace belvane {

namespace {

constexpr int kLongestName = 32;  // what the lists let a name hold

// What lies after the last character of a row takes no room on paper, and
// laying it out would cost the printer time on thousands of pages.
void TrimRight(std::string& text) {
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

void CPrintJob::Plan() {
    m_planned = true;
    m_columns.clear();
    m_wantedChars = 0;
    switch (m_kind) {
        case PrintKind::RegisterLines:
            m_map = RegisterPageMap(*m_doc, m_range, m_options.sorted);
            break;
        case PrintKind::MatchingLines:
            m_map.clear();
            for (const int i : m_matching->lines)
                if (i >= 0 && i < m_doc->GetLineCount())
                    m_map.push_back(i);
            break;
        case PrintKind::CategoryTotals:  // its rows depend on the page width
        case PrintKind::Charts:
            m_map.clear();
            return;
    }
    m_columns = PrintRowColumns(*m_doc, m_map, m_options.screenWidths);
    m_printedColumns = m_columns.size();
    m_wantedChars = PrintRowChars(m_columns);
}

void CPrintJob::Begin(const PrintDevice& device) {
    if (!m_planned)
        Plan();
    m_device = device;
    m_metrics = ComputePrintMetrics(m_kind, device);
    const int rows = m_metrics.rows;
    switch (m_kind) {
        case PrintKind::RegisterLines:
        case PrintKind::MatchingLines:
            m_printedColumns = ColumnsThatFit(m_columns, device.pageWidth / m_metrics.unit);
            m_pageCount = PrintPageCount(static_cast<std::int64_t>(m_map.size()), rows);
            break;
        case PrintKind::CategoryTotals: {
            // Boxes wide enough for the longest name (up to the longest a
            // name can be) and the widest total.
            int widest = 0;
            const std::string& decimal = m_doc->Format().GetDecimalSymbol();
            auto measure = [&](const std::string& name, std::int64_t total) {
                const auto length = [](const std::string& t) {
                    return static_cast<int>(text::Length(t));
                };
                widest = std::max({widest, std::min(length(name), kLongestName),
                                   length(FormatSum(total, true, 15, decimal))});
            };
            for (const CategoryTotalRow& row : m_totals->rows) {
                measure(row.name, row.total);
                for (const SubcategoryTotal& sub : row.subcategories)
                    measure(sub.name, sub.total);
            }
            const PrintFontMetrics& font = device.lines;
            m_grid = ComputeTotalsGrid(device.pageWidth, font.maxWidth, widest);
            m_nameChars = (m_grid.boxWidth - 3 * font.averageWidth) / std::max(font.maxWidth, 1);
            m_map = TotalsRowMap(*m_totals, m_grid.columns);
            m_pageCount = PrintPageCount(static_cast<std::int64_t>(m_map.size() / 2), rows);
            break;
        }
        case PrintKind::Charts:
            m_barsPerPage = ChartBarsPerPage(device.pageWidth, m_metrics.unit);
            m_largest = 0;
            for (const ChartPeriod& p : m_charts->periods)
                m_largest = std::max({m_largest, p.credits, p.debits});
            m_pageCount =
                PrintPageCount(static_cast<std::int64_t>(m_charts->periods.size()), m_barsPerPage);
            break;
    }
    m_mapped = m_kind == PrintKind::CategoryTotals ? m_totals->rows.size() : m_map.size();
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
    const std::span<const RowColumn> columns = PrintedColumns();
    // Each cell goes at its characters' place, and only what shows of it: the
    // blanks that pad the cells are most of a row. Amounts keep to the right
    // edge of their column, so that they line up in any font.
    std::string cell;
    auto lay = [&](int y, bool titles, int index) {
        int start = 0;  // characters before the cell, less the row's leading blank
        for (const RowColumn& c : columns) {
            if (titles) {
                cell = FormatTitles(*m_doc, std::span(&c, 1));
            } else {
                cell.assign(1, ' ');
                AppendCell(*m_doc, cell, index, c);
            }
            const std::size_t first = cell.find_first_not_of(' ');
            if (first != std::string::npos) {
                TrimRight(cell);
                const bool right = !titles && IsAmountColumn(c.id);
                const int x = right ? start + c.width : start + static_cast<int>(first) - 1;
                out.steps.push_back(
                    Text(PrintFontId::Lines,
                         right ? PrintStep::Align::TopRight : PrintStep::Align::TopLeft,
                         (x + 1) * m.unit, y, cell.substr(first)));
            }
            start += c.width + 2;
        }
    };
    lay(m.bodyTop, true, 0);
    out.steps.push_back(PrintStep::Line(PrintPen::Rule, 0, m.ruleY, m_device.pageWidth, m.ruleY));
    const std::size_t first = static_cast<std::size_t>(page - 1) * m.rows;
    const std::size_t end = std::min(first + static_cast<std::size_t>(m.rows), m_map.size());
    int y = m.rowsTop;
    for (std::size_t i = first; i < end; ++i, y += m.lineHeight)
        lay(y, false, m_map[i]);
}

void CPrintJob::LayTotals(int page, PrintPage& out) const {
    const PrintMetrics& m = m_metrics;
    const std::size_t rowCount = m_map.size() / 2;
    const std::size_t first = static_cast<std::size_t>(page - 1) * m.rows;
    const std::size_t end = std::min(first + static_cast<std::size_t>(m.rows), rowCount);
    const int w = m_grid.boxWidth;
    const int l = m.lineHeight;
    const int inset = (3 * m_device.lines.averageWidth) / 2;
    const std::string& decimal = m_doc->Format().GetDecimalSymbol();
    auto box = [&](int left, int top, const std::string& name, std::string second) {
        out.steps.push_back(
            PrintStep::Rect(PrintPen::Rule, PrintBrush::None, left, top, left + w, top + l));
        out.steps.push_back(Text(PrintFontId::Lines, PrintStep::Align::TopLeft, left + inset,
                                 top + l / 6, FitText(name, m_nameChars)));
        out.steps.push_back(Text(PrintFontId::Lines, PrintStep::Align::TopLeft, left + inset,
                                 top + l / 6 + l / 3, std::move(second)));
    };
    for (std::size_t r = first; r < end; ++r) {
        const CategoryTotalRow& row = m_totals->rows[static_cast<std::size_t>(m_map[2 * r])];
        const int firstSub = m_map[2 * r + 1];
        const int top = m.bodyTop + static_cast<int>(r - first) * l;
        // The category's own box, framed twice; on a row that goes on with
        // its subcategories it is marked as continued instead of the total.
        box(0, top, row.name,
            firstSub == 0 ? FormatSum(row.total, true, 15, decimal)
                          : ReportText(*m_doc, ids::kPrintContinued));
        out.steps.push_back(PrintStep::Rect(PrintPen::Rule, PrintBrush::None, w / 36, top + l / 18,
                                            w - w / 36, top + l - l / 18));
        const int count = static_cast<int>(row.subcategories.size());
        for (int c = 1; c < m_grid.columns && firstSub + c - 1 < count; ++c) {
            const SubcategoryTotal& sub =
                row.subcategories[static_cast<std::size_t>(firstSub + c - 1)];
            box(c * w, top, sub.name, FormatSum(sub.total, true, 15, decimal));
        }
    }
}

void CPrintJob::LayChart(int page, PrintPage& out) const {
    const PrintMetrics& m = m_metrics;
    const int w = m.unit;
    const int l = m.lineHeight;
    const int graphWidth = m_device.graph.averageWidth;
    const std::string& decimal = m_doc->Format().GetDecimalSymbol();
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
    // The periods share the page width; each keeps its bars and label at the
    // same places in its share.
    const int step = std::max(m_device.pageWidth / m_barsPerPage, 15 * w);
    int x = (step - 15 * w) / 2;
    for (std::size_t i = first; i < end; ++i, x += step) {
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
                                     FormatSum(period.credits, true, 0, decimal)));
            out.steps.push_back(Text(PrintFontId::Graph, PrintStep::Align::Upwards,
                                     x + 5 * w + 5 * w / 2 - graphWidth / 2,
                                     baseline - down - w - 10,
                                     FormatSum(-period.debits, true, 0, decimal)));
        }
    }
}

}  // namespace belvane
