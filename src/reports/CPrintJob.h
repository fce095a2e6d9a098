#pragma once

#include "core/ColumnWidths.h"
#include "reports/PrintData.h"
#include "reports/PrintOptions.h"
#include "reports/PrintPage.h"
#include "reports/PrintPageMap.h"
#include "reports/PrintPrepare.h"

#include <cstdint>
#include <span>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// One print job: the kind, the options it runs with and the data it prints.
// Begin measures the page and builds the page map; then each page is laid out
// on its own, so that a job of thousands of pages never holds more than one.
// The document and the data handed over must outlive the job.
class CPrintJob {
public:
    static CPrintJob RegisterLines(const CBelvaneDoc& doc, const PrintOptions& options,
                                   LineRange range);
    static CPrintJob MatchingLines(const CBelvaneDoc& doc, const PrintOptions& options,
                                   const MatchingLinesPrint& data);
    static CPrintJob CategoryTotals(const CBelvaneDoc& doc, const PrintOptions& options,
                                    const CategoryTotalsPrint& data);
    static CPrintJob Charts(const CBelvaneDoc& doc, const PrintOptions& options,
                            const ChartsPrint& data);

    PrintKind Kind() const { return m_kind; }
    const PrintOptions& Options() const { return m_options; }

    // The page map, and for the lines kinds the columns with their print
    // widths: what the job needs before it is measured on a device. Begin
    // does it when it was not done.
    void Plan();
    // Characters a row needs to show every column (lines kinds; 0 for the
    // others): what a lines font fitted to the page width must hold.
    int WantedRowChars() const { return m_wantedChars; }

    // Metrics, the columns that fit, page count for a device.
    void Begin(const PrintDevice& device);
    // The columns printed (lines kinds), left to right: those that fit whole.
    std::span<const RowColumn> PrintedColumns() const {
        return std::span(m_columns).first(m_printedColumns);
    }
    const PrintMetrics& Metrics() const { return m_metrics; }
    int PageCount() const { return m_pageCount; }
    // Entries the page map had (for the lines kinds: the lines printed); kept
    // after End.
    std::size_t MappedCount() const { return m_mapped; }
    // Replaces `out` with page `page` (1 to PageCount()).
    void LayPage(int page, PrintPage& out) const;
    // Frees the page map.
    void End();

private:
    CPrintJob(PrintKind kind, const CBelvaneDoc& doc, const PrintOptions& options)
        : m_kind(kind), m_doc(&doc), m_options(options) {}

    void LayLines(int page, PrintPage& out) const;
    void LayTotals(int page, PrintPage& out) const;
    void LayChart(int page, PrintPage& out) const;

    PrintKind m_kind;
    const CBelvaneDoc* m_doc;
    PrintOptions m_options;
    LineRange m_range;
    const MatchingLinesPrint* m_matching = nullptr;
    const CategoryTotalsPrint* m_totals = nullptr;
    const ChartsPrint* m_charts = nullptr;

    PrintDevice m_device;
    PrintMetrics m_metrics;
    bool m_planned = false;
    std::vector<RowColumn> m_columns;
    std::size_t m_printedColumns = 0;
    int m_wantedChars = 0;
    TotalsGrid m_grid;
    int m_nameChars = 0;
    int m_barsPerPage = 1;
    std::int64_t m_largest = 0;
    std::vector<std::int32_t> m_map;
    int m_pageCount = 1;
    std::size_t m_mapped = 0;
};

}  // namespace belvane
