#include "reports/TextExport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/StringTable.h"

namespace belvane {
namespace {

CLigne Line(DayDate issue, DayDate statement, Amount amount, std::string reference = "",
            std::string observation = "") {
    return testutil::MakeLine(issue, statement, issue, amount, std::move(reference), "CB", "Maison",
                              "Loyer", "Régie Dupré €", std::move(observation));
}

TEST(TextExport, RecordsRunNewestFirstWithTextsUnchanged) {
    CBelvaneDoc doc;
    EXPECT_EQ(TextExport(doc), "");
    doc.AddLine(Line(ToDayDate(2009, 12, 5), ToDayDate(2009, 12, 20), -1250, "0012"));
    doc.AddLine(Line(ToDayDate(2009, 12, 1), 0, 0));
    // Same day as "0012": a higher index, so it comes first. Printf directives
    // and tabs in user texts are neither expanded nor escaped.
    doc.AddLine(Line(ToDayDate(2009, 12, 5), 0, 4000, "%s%d", "a\tb %%"));

    EXPECT_EQ(TextExport(doc),
              "05.12.09\t\t%s%d\tCB\t+40,00\tMaison\tLoyer\tRégie Dupré €\ta\tb %%\n"
              "05.12.09\t20.12.09\t0012\tCB\t-12,50\tMaison\tLoyer\tRégie Dupré €\t\n"
              "01.12.09\t\t\tCB\t+0,00\tMaison\tLoyer\tRégie Dupré €\t\n");
}

TEST(TextExport, RecordTextComesFromTheDocumentStrings) {
    CBelvaneDoc doc;
    doc.AddLine(Line(ToDayDate(2010, 1, 2), 0, 1, "r"));
    // More placeholders than fields leave the rest empty; "%%" is a percent sign.
    const CStringTable custom =
        CStringTable::Parse("[strings]\n10079\t%s|%s|%s|%s|%s|%s|%s|%s|%s|%s|%%\\n\n");
    doc.SetStrings(custom);
    EXPECT_EQ(TextExport(doc), "02.01.10||r|CB|+0,01|Maison|Loyer|Régie Dupré €|||%\n");
    // A set without the record text falls back to the built-in one.
    const CStringTable empty = CStringTable::Parse("[strings]\n");
    doc.SetStrings(empty);
    EXPECT_EQ(TextExport(doc), "02.01.10\t\tr\tCB\t+0,01\tMaison\tLoyer\tRégie Dupré €\t\n");
}

TEST(TextExport, FileIsReplacedOrReportedUnwritable) {
    const testutil::ScratchDir dir;
    CBelvaneDoc doc;
    doc.AddLine(Line(ToDayDate(2010, 1, 2), 0, 1));
    const std::string path = dir.File("out.txt");
    testutil::WriteFile(path, std::string(4096, 'x'));
    EXPECT_TRUE(ExportTextFile(doc, path).ok());
    EXPECT_EQ(testutil::ReadFile(path), TextExport(doc));
    // A folder that does not exist is the tool's exit table's (ToolCommandsTest).
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_EQ(ExportTextFile(doc, "/dev/full").code(), Status::Code::CannotWrite);
    }
}

}  // namespace
}  // namespace belvane
