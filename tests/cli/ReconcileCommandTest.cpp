#include "cli/ToolCommands.h"

#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace belvane {
namespace {

using nlohmann::json;

int Tool(std::vector<std::string> args, std::string& out, std::string& err) {
    std::ostringstream o, e;
    const int rc = RunTool(args, o, e);
    out = o.str();
    err = e.str();
    return rc;
}

// One line of the register, stamped or not, and one the bank lacks; the
// statement brings both and a salary the register lacks.
TEST(ReconcileCommand, JsonExitCodesAndApply) {
    const testutil::ScratchDir dir;
    CBelvaneDoc doc;
    CLigne a, b;
    a.Set(ToDayDate(2026, 1, 2), 0, ToDayDate(2026, 1, 3), -2345, "", "CB", "Courses", "",
          "Monoprix", "");
    b.Set(ToDayDate(2026, 1, 4), ToDayDate(2025, 12, 31), ToDayDate(2026, 1, 4), -990, "", "", "",
          "", "", "");
    doc.AddLine(a);
    doc.AddLine(b);
    const std::string file = dir.File("compte.blv");
    ASSERT_TRUE(doc.OnSaveDocument(file).ok());
    const std::string csv = dir.File("releve.csv");
    testutil::WriteFile(csv,
                        "Date;Libellé;Montant\n02/01/2026;CB MONOPRIX;-23,45\n"
                        "05/01/2026;CAFE;-9,90\n28/01/2026;monoprix;12,00\n");
    const std::string out = dir.File("apres.blv");

    std::string o, e;
    ASSERT_EQ(Tool({"reconcile", file, csv, "--date", "2026-01-31", "--apply", out}, o, e), 0) << e;
    const json j = json::parse(o);
    EXPECT_EQ(j["format"], "csv");
    EXPECT_EQ(j["statement_date"], "2026-01-31");
    EXPECT_EQ(j["statement"], json::parse(R"({"entries":3,"from":"2026-01-02","to":"2026-01-28",
                                              "closing_balance":null})"));
    EXPECT_EQ(j["entries"][0]["outcome"], "matched");
    EXPECT_EQ(j["entries"][0]["line"], 0);
    EXPECT_EQ(j["entries"][1]["outcome"], "already");
    EXPECT_EQ(j["entries"][1]["line"], 1);
    EXPECT_EQ(j["entries"][2]["line"], nullptr);
    EXPECT_EQ(j["entries"][2]["proposed"], json::parse(R"({"issue":"2026-01-28",
        "validity":"2026-01-28","amount":1200,"reference":"","payee":"Monoprix","payment":"CB",
        "category":"Courses","subcategory":"","observation":""})"));
    EXPECT_EQ(j["balance_after"], -2345 - 990 + 1200);

    // The register written is the import applied: read again, nothing is left to do.
    ASSERT_EQ(Tool({"reconcile", out, csv}, o, e), 0) << e;
    const json again = json::parse(o);
    for (const json& entry : again["entries"])
        EXPECT_EQ(entry["outcome"], "already");

    const struct {
        std::vector<std::string> args;
        int rc;
    } failures[] = {
        {{"reconcile", file, dir.File("absent.csv")}, 1},
        {{"reconcile", dir.File("absent.blv"), csv}, 1},
        {{"reconcile", file, file}, 1},  // a register is no statement
        {{"reconcile", file, csv, "--format", "xls"}, 2},
        {{"reconcile", file, csv, "--days", "-1"}, 2},
        {{"reconcile", file, csv, "--date", "2026-02-30"}, 2},
        {{"reconcile", file}, 2},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.args.back());
        EXPECT_EQ(Tool(f.args, o, e), f.rc);
        EXPECT_TRUE(o.empty());
        EXPECT_FALSE(e.empty());
    }
}

}  // namespace
}  // namespace belvane
