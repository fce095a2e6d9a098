#include "FileBuilder.h"
#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "ToolRun.h"
#include "core/CBelvaneDoc.h"
#include "core/CMouvementAuto.h"
#include "core/DayDate.h"
#include "core/StringIds.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <utility>
#include <vector>

namespace belvane {
namespace {

using nlohmann::json;
using testutil::FileBuilder;
using testutil::MakeLine;
using testutil::MakeMouvement;
using testutil::RunCommand;

std::string Message(int id, const std::string& path = "") {
    std::string text = CStringTable::Builtin().Get(id);
    if (const std::size_t p = text.find("%1"); p != std::string::npos)
        text.replace(p, 2, path);
    return text + "\n";
}

// The smallest register of version 3.1 (no version word, no column list or
// font), holding only an account summary: enough to see convert change formats.
std::string OldRegister() {
    FileBuilder f;
    f.Str("KVT-BELVANE-3.1").U16(0).Str("").U32(16).U32(32).U32(32).U32(32).U32(32);  // widths
    f.Zeros(6 * 4).Str("Banque \xC9pargne").Zeros(5 + 4 + 5 * 4);
    return {f.Bytes().begin(), f.Bytes().end()};
}

class ToolTest : public testing::Test {
protected:
    testutil::ScratchDir dir;
};

TEST_F(ToolTest, InfoShowsEveryField) {
    CBelvaneDoc doc;
    doc.ToggleBackup();
    doc.SetDisplay({0, 5, 11}, {10, 20, 30, 40, 50, 60},
                   CPolice::Make("Arial", 120, 700, true, false, true, 1, 0x22),
                   {1, 2, 3, 4, 5, 6});
    doc.SetResume({"Banque", "Agence", "123", "4970", "Jean et Zoé", "note", -1234});
    doc.AddLine(MakeLine(ToDayDate(2009, 12, 5), 0, ToDayDate(2009, 12, 7), -50, "12", "Chèque",
                         "Maison", "Loyer", "Régie", "obs"));
    doc.AddPaiement(CPaiement("Chèque", 4, 0xFFFE, 3));
    doc.AddMouvement(MakeMouvement("Loyer", {2016, 12, 5}, 1, 5, -80000));
    doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 100, {{"Loyer", -5}}));
    doc.InsertBeneficiaire(0, CBeneficiaire("Régie", "01 02", "1 rue\r\nParis"));
    const std::string path = dir.File("info.blv");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());

    const testutil::ToolRun r = RunCommand({"info", path});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(json::parse(r.out), R"({
      "format": "BLV", "version": 773, "backup": true,
      "widths": [10, 20, 30, 40, 50, 60], "columns": [0, 5, 11],
      "font": {"face": "Arial", "height": 120, "weight": 700, "italic": true,
               "underline": false, "strikeout": true, "charset": 1, "pitchAndFamily": 34},
      "colors": [1, 2, 3, 4, 5, 6],
      "summary": {"bank": "Banque", "branch": "Agence", "account": "123", "cards": "4970",
                  "holders": "Jean et Zoé", "annotations": "note"},
      "initialAmount": -1234,
      "lines": [{"issue": "2009-12-05", "statement": null, "validity": "2009-12-07",
                 "amount": -50, "reference": "12", "payment": "Chèque", "category": "Maison",
                 "subcategory": "Loyer", "payee": "Régie", "observation": "obs"}],
      "paymentMethods": [{"name": "Chèque", "method": 4, "param1": 65534, "param2": 3}],
      "movements": [{"title": "Loyer", "next": "2016-12-05", "months": 1, "day": 5,
                     "payment": "", "amount": -80000, "category": "", "subcategory": "",
                     "payee": "", "observation": ""}],
      "categories": [{"name": "Maison", "initialAmount": 100,
                      "subcategories": [{"name": "Loyer", "initialAmount": -5}]}],
      "payees": [{"name": "Régie", "phone": "01 02", "address": "1 rue\r\nParis"}]
    })"_json);
}

TEST_F(ToolTest, ConvertWritesAnOlderFormInTheCurrentOne) {
    const std::string in = dir.File("old.blv"), out = dir.File("new.blv");
    testutil::WriteFile(in, OldRegister());
    const testutil::ToolRun r = RunCommand({"convert", in, out});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(testutil::ReadFile(out).substr(0, 20),
              std::string("\x0FKVT-BELVANE-BLV\x05\x03\0\0", 20));
    json before = json::parse(RunCommand({"info", in}).out);
    json after = json::parse(RunCommand({"info", out}).out);
    EXPECT_EQ(before["format"], "3.1");
    EXPECT_EQ(after["summary"]["bank"], "Banque Épargne");
    for (json* j : {&before, &after}) {
        j->erase("format");
        j->erase("version");
    }
    EXPECT_EQ(before, after);
}

TEST_F(ToolTest, ExportAppliesTheFormatOptions) {
    CBelvaneDoc doc;
    doc.AddLine(MakeLine(ToDayDate(2009, 12, 5), 0, 0, -50, "12", "Chèque", "", "", "", "obs"));
    const std::string in = dir.File("in.blv"), out = dir.File("out.txt");
    ASSERT_TRUE(doc.OnSaveDocument(in).ok());
    ASSERT_EQ(RunCommand({"export", "--decimal=.", in, out, "--date-format", "%Y-%m-%d"}).code,
              kExitOk);
    EXPECT_EQ(testutil::ReadFile(out), "2009-12-05\t\t12\tChèque\t-0.50\t\t\t\tobs\n");
}

TEST_F(ToolTest, BalancesPrintsTheThreeSums) {
    CBelvaneDoc doc;
    doc.SetMontantInitial(100000);
    doc.AddLine(MakeLine(ToDayDate(2024, 3, 5), ToDayDate(2024, 4, 1), ToDayDate(2024, 3, 5), -1));
    doc.AddLine(MakeLine(ToDayDate(2024, 6, 10), 0, ToDayDate(2024, 6, 20), -20));
    doc.AddLine(MakeLine(ToDayDate(2024, 6, 16), 0, ToDayDate(2024, 6, 16), 300));
    const std::string path = dir.File("balances.blv");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());

    // The options, and the sums with their keys in their documented order, not sorted.
    const std::pair<std::vector<std::string>, nlohmann::ordered_json> cases[] = {
        {{"--today=2024-06-20"},
         {{"available", 100279}, {"real", 100279}, {"lastStatement", 99999}}},
        {{"--from", "2024-06-10", "--to", "2024-06-16", "--today", "2024-01-01"},
         {{"available", 280}, {"real", 300}, {"lastStatement", 0}}},
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> args = {"balances", path};
        args.insert(args.end(), options.begin(), options.end());
        SCOPED_TRACE(testing::PrintToString(args));
        const testutil::ToolRun r = RunCommand(args);
        ASSERT_EQ(r.code, kExitOk) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(nlohmann::ordered_json::parse(r.out), expected);  // keys compared in order
    }
}

TEST_F(ToolTest, DueListsTheOffersOfGenerationWithoutChangingTheFile) {
    CBelvaneDoc doc;
    // Every text of the movement goes into its offers.
    CMouvementAuto loyer = MakeMouvement("Loyer", {2024, 5, 5}, 1, 5, -65000);
    loyer.m_paiement = "Virement";
    loyer.m_rubrique = "Logement";
    loyer.m_sousRubrique = "Loyer";
    loyer.m_beneficiaire = "Régie";
    loyer.m_observation = "mai";
    doc.AddMouvement(loyer);
    doc.AddMouvement(MakeMouvement("Prime", {2024, 12, 1}, 1, 5, 30000));
    const std::string path = dir.File("due.blv");
    ASSERT_TRUE(doc.OnSaveDocument(path).ok());
    const std::string before = testutil::ReadFile(path);

    testutil::ToolRun r = RunCommand({"due", path, "--until", "2024-06-30"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(json::parse(r.out), R"([
      {"movement": "Loyer", "date": "2024-05-05", "amount": -65000, "payment": "Virement",
       "category": "Logement", "subcategory": "Loyer", "payee": "Régie", "observation": "mai"},
      {"movement": "Loyer", "date": "2024-06-05", "amount": -65000, "payment": "Virement",
       "category": "Logement", "subcategory": "Loyer", "payee": "Régie", "observation": "mai"}])"_json);
    r = RunCommand({"due", path, "--today", "2024-04-01"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(json::parse(r.out), json::array());
    EXPECT_EQ(RunCommand({"due", path, "--until", "2024-13-01"}).code, kExitUsage);
    EXPECT_EQ(testutil::ReadFile(path), before);
}

TEST_F(ToolTest, ExitCodesAndMessages) {
    const std::string good = dir.File("good.blv");
    ASSERT_EQ(RunCommand({"new", good}).code, kExitOk);
    const std::string garbage = dir.File("garbage.blv"), truncated = dir.File("truncated.blv");
    testutil::WriteFile(garbage, "hello, world");
    testutil::WriteFile(truncated, testutil::ReadFile(good).substr(0, 40));
    const std::string missing = dir.File("missing.blv"), noDir = dir.File("no/dir/out");
    const std::string out = dir.File("out");

    constexpr int kUsage = -1;  // usage text instead of a message
    const struct {
        std::vector<std::string> args;
        int code;
        int message;       // string id on stderr, kUsage, or 0 for none
        std::string path;  // the file the message names
    } cases[] = {
        {{}, kExitUsage, kUsage, ""},
        {{"frobnicate", good}, kExitUsage, kUsage, ""},
        {{"info"}, kExitUsage, kUsage, ""},
        {{"export", good, out, "--bogus"}, kExitUsage, kUsage, ""},
        {{"export", good, out, "--decimal"}, kExitUsage, kUsage, ""},
        // Dates that do not read, as every command taking dates reads them.
        {{"balances", good, "--today", "2024-02-30"}, kExitUsage, kUsage, ""},
        {{"balances", good, "--today", "15.06.2024"}, kExitUsage, kUsage, ""},
        {{"balances", good, "--today", "2024-06-15x"}, kExitUsage, kUsage, ""},
        {{"balances", good, "--today", "2036-01-01"}, kExitUsage, kUsage, ""},
        {{"--help"}, kExitOk, 0, ""},
        {{"convert", "--help"}, kExitOk, 0, ""},
        {{"info", missing}, kExitFailure, ids::kMsgOpenFailed, missing},
        {{"info", garbage}, kExitFailure, ids::kMsgUnreadable, ""},
        {{"convert", truncated, out}, kExitFailure, ids::kMsgDamaged, truncated},
        {{"new", noDir}, kExitFailure, ids::kMsgSaveFailed, noDir},
        {{"export", good, noDir}, kExitFailure, ids::kMsgExportOpenError, noDir},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const testutil::ToolRun r = RunCommand(c.args);
        EXPECT_EQ(r.code, c.code);
        if (c.message == kUsage) {
            EXPECT_NE(r.err.find("Usage:"), std::string::npos);
        } else if (c.message != 0) {
            EXPECT_EQ(r.err, Message(c.message, c.path));
        } else {
            EXPECT_EQ(r.err, "");
            EXPECT_NE(r.out.find("Usage:"), std::string::npos);
        }
        if (c.code != kExitOk) {
            EXPECT_EQ(r.out, "");
            EXPECT_FALSE(std::filesystem::exists(out));  // no output after a failure
        }
    }
}

}  // namespace
}  // namespace belvane
