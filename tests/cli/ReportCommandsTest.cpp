#include "ScratchDir.h"
#include "ToolRun.h"
#include "reports/ReportRegister.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <utility>
#include <vector>

namespace belvane {
namespace {

using nlohmann::json;

// Sums beyond 32 bits are the reports' tables' (CategoryTotalsTest, ChartPeriodsTest,
// BalancesTest); balances has its command test in ToolCommandsTest.
TEST(ReportCommands, TotalsAndChartAsJson) {
    const testutil::ScratchDir dir;
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    const std::string small = dir.File("small.blv");
    ASSERT_TRUE(doc.OnSaveDocument(small).ok());
    const std::pair<std::vector<std::string>, json> cases[] = {
        {{"totals", small, "--from", "2024-03-01", "--to", "2024-03-01"},
         json::parse(R"([{"name":"Maison","total":-300,"subcategories":[
             {"name":"Loyer","total":0},{"name":"Divers","total":-300}]},
             {"name":"Auto","total":-7000,"subcategories":[{"name":"Divers","total":-7000}]}])")},
        {{"chart", small, "--period", "year", "--category", "Maison"},
         json::parse(R"([{"label":"2024","start":"2024-01-01","end":"2024-12-31",
             "credits":2000,"debits":50300}])")},
        {{"chart", small, "--from=2024-03-01", "--category", "Maison", "--subcategory", "Divers"},
         json::parse(R"([{"label":"Mars 24","start":"2024-03-01","end":"2024-03-31",
             "credits":0,"debits":300},{"label":"Avr. 24","start":"2024-04-01",
             "end":"2024-04-30","credits":0,"debits":0},{"label":"Mai 24",
             "start":"2024-05-01","end":"2024-05-31","credits":0,"debits":0}])")},
        {{"chart", small, "--from", "2024-05-01", "--to", "2024-04-01"}, json::array()},
    };
    for (const auto& [args, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const testutil::ToolRun r = testutil::RunCommand(args);
        ASSERT_EQ(r.code, kExitOk) << r.err;
        EXPECT_EQ(json::parse(r.out), expected);
    }

    // Dates that do not read are the tool's exit table's (ToolCommandsTest).
    const testutil::ToolRun bad = testutil::RunCommand({"chart", small, "--period", "quarter"});
    EXPECT_EQ(bad.code, kExitUsage);
    EXPECT_EQ(bad.out, "");
}

}  // namespace
}  // namespace belvane
