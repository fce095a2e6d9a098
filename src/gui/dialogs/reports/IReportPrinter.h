#pragma once

class QWidget;

namespace belvane {

struct CategoryTotalsPrint;
struct ChartsPrint;
struct MatchingLinesPrint;

// How the report windows print: each hands what it shows to the print engine,
// which asks for the printer and prints. The windows take the focus back after.
class IReportPrinter {
public:
    virtual ~IReportPrinter() = default;
    virtual void PrintCategoryTotals(QWidget* parent, const CategoryTotalsPrint& data) = 0;
    virtual void PrintMatchingLines(QWidget* parent, const MatchingLinesPrint& data) = 0;
    virtual void PrintCharts(QWidget* parent, const ChartsPrint& data) = 0;
};

}  // namespace belvane
