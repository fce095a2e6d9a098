#include "reports/ReportTitles.h"

#include "ReportRegister.h"
#include "reports/ChartPeriods.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testutil::D;

TEST(ReportTitles, NameTheTotalTheBarOrTheRange) {
    const CBelvaneDoc doc;
    const MatchTitles category = CategoryMatchTitles(doc, "Maison", "", 0, kOpenEndDate);
    const MatchTitles sub =
        CategoryMatchTitles(doc, "Maison", "Loyer", D(2024, 1, 2), D(2024, 2, 3));
    // Lines from 10.01.24 to 01.05.24: an open side of the period is theirs.
    CBelvaneDoc filled;
    testutil::FillReportRegister(filled);
    const PeriodTotal march{D(2024, 3, 1), D(2024, 3, 31), "", 0, 0};
    const std::pair<std::string, std::string> cases[] = {
        {category.window, "Lignes de la rubrique [Maison]"},
        {category.print, "rubrique [Maison]"},
        {sub.window, "Lignes de la rubrique [Maison] et de la sous-rubrique [Loyer]"},
        {sub.print, "rubrique [Maison], sous-rubrique [Loyer] du 02.01.24 au 03.02.24"},
        {CategoryMatchTitles(filled, "Maison", "", 0, kOpenEndDate).print,
         "rubrique [Maison] du 10.01.24 au 01.05.24"},
        {CategoryMatchTitles(filled, "Auto", "", D(2024, 2, 1), kOpenEndDate).print,
         "rubrique [Auto] du 01.02.24 au 01.05.24"},
        {BarMatchTitle(doc, march, true, {}), "Lignes positives du 01.03.24 au 31.03.24"},
        {BarMatchTitle(doc, march, false, {"Maison", "Loyer"}),
         "Lignes négatives du 01.03.24 au 31.03.24, [Maison][Loyer]"},
        {TotalsPrintTitle(doc, 0, kOpenEndDate), "totaux par rubriques"},
        {TotalsPrintTitle(doc, D(2024, 1, 2), kOpenEndDate),
         "totaux par rubriques à partir du 02.01.24"},
        {TotalsPrintTitle(doc, D(2024, 1, 2), D(2024, 2, 3)),
         "totaux par rubriques du 02.01.24 au 03.02.24"},
        {TotalsPrintTitle(doc, 0, D(2024, 2, 3)), "totaux par rubriques jusqu'au 03.02.24"},
        {ChartPrintTitle(doc, D(2024, 1, 2), D(2024, 2, 3), {"", "Loyer"}),
         "Graphiques du 02.01.24 au 03.02.24[Loyer]"},
    };
    for (const auto& [actual, expected] : cases)
        EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace belvane
