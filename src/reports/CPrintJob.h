#pragma once

#include "reports/PrintData.h"
#include "reports/PrintOptions.h"
#include "reports/PrintPage.h"
#include "reports/PrintPageMap.h"
#include "reports/PrintPrepare.h"

#include <cstdint>
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

    // Metrics, page map and page count for a device.
    void Begin(const PrintDevice& device);
    const PrintMetrics& Metrics() const { return m_metrics; }
    const std::vector<std::int32_t>& PageMap() const { return m_map; }
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
    TotalsGrid m_grid;
    int m_barsPerPage = 1;
    int m_rowChars = 0;
    std::int64_t m_largest = 0;
    std::vector<std::int32_t> m_map;
    int m_pageCount = 1;
    std::size_t m_mapped = 0;
};

}  // namespace belvane
