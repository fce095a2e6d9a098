#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "ToolRun.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace belvane {
namespace {

using nlohmann::json;
using testutil::RunCommand;

// One line of the register, stamped or not, and one the bank lacks; the
// statement brings both and a salary the register lacks.
TEST(ReconcileCommand, JsonExitCodesAndApply) {
    const testutil::ScratchDir dir;
    CBelvaneDoc doc;
    doc.AddLine(testutil::MakeLine(ToDayDate(2026, 1, 2), 0, ToDayDate(2026, 1, 3), -2345, "", "CB",
                                   "Courses", "", "Monoprix"));
    doc.AddLine(testutil::MakeLine(ToDayDate(2026, 1, 4), ToDayDate(2025, 12, 31),
                                   ToDayDate(2026, 1, 4), -990));
    const std::string file = dir.File("compte.blv");
    ASSERT_TRUE(doc.OnSaveDocument(file).ok());
    const std::string csv = dir.File("releve.csv");
    testutil::WriteFile(csv,
                        "Date;Libellé;Montant\n02/01/2026;CB MONOPRIX;-23,45\n"
                        "05/01/2026;CAFE;-9,90\n28/01/2026;monoprix;12,00\n");
    const std::string out = dir.File("apres.blv");

    const testutil::ToolRun applied =
        RunCommand({"reconcile", file, csv, "--date", "2026-01-31", "--apply", out});
    ASSERT_EQ(applied.code, 0) << applied.err;
    const json j = json::parse(applied.out);
    EXPECT_EQ(j["format"], "csv");
    EXPECT_EQ(j["statement_date"], "2026-01-31");
    EXPECT_EQ(j["statement"], json::parse(R"({"entries":3,"from":"2026-01-02","to":"2026-01-28",
                                              "closing_balance":null})"));
    EXPECT_EQ(j["entries"][0]["outcome"], "matched");
    EXPECT_EQ(j["entries"][0]["line"], 0);
    EXPECT_EQ(j["entries"][2]["line"], nullptr);
    EXPECT_EQ(j["entries"][2]["proposed"], json::parse(R"({"issue":"2026-01-28",
        "validity":"2026-01-28","amount":1200,"reference":"","payee":"Monoprix","payment":"CB",
        "category":"Courses","subcategory":"","observation":""})"));
    EXPECT_EQ(j["balance_after"], -2345 - 990 + 1200);

    // The register written is the import applied: read again, nothing is left to do.
    const testutil::ToolRun read = RunCommand({"reconcile", out, csv});
    ASSERT_EQ(read.code, 0) << read.err;
    const json again = json::parse(read.out);
    for (const json& entry : again["entries"])
        EXPECT_EQ(entry["outcome"], "already");

    const std::pair<std::vector<std::string>, int> failures[] = {
        {{"reconcile", file, dir.File("absent.csv")}, 1},
        {{"reconcile", dir.File("absent.blv"), csv}, 1},
        {{"reconcile", file, file}, 1},  // a register is no statement
        {{"reconcile", file, csv, "--format", "xls"}, 2},
        {{"reconcile", file, csv, "--days", "-1"}, 2},
        {{"reconcile", file, csv, "--date", "2026-02-30"}, 2},
        {{"reconcile", file}, 2},
    };
    for (const auto& [args, rc] : failures) {
        SCOPED_TRACE(args.back());
        const testutil::ToolRun r = RunCommand(args);
        EXPECT_EQ(r.code, rc);
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

}  // namespace
}  // namespace belvane
