// The text form of a resource set: strings, menus, accelerators, toolbars,
// dialog texts, images and cursors.
#include "core/CResourceSet.h"

#include "MenuDump.h"
#include "core/FailureMessage.h"
#include "core/StringTable.h"

#include <gtest/gtest.h>

#include <utility>

namespace belvane {
namespace {

using testutil::DumpMenu;

TEST(ResourceSetParse, StringsKeepTheStringTableRules) {
    const CResourceSet set = CResourceSet::Parse(
        "# comment\n"
        "[strings]\n"
        "1\tOne\\nTwo\\tTab\\\\Back\r\n"
        "2\tlast wins\n"
        "2\tsecond\n"
        "x3\tnot a number\n"
        "4 no tab\n"
        "[unknown 5]\n"
        "6\tinside an unknown section\n"
        "[strings]\n"
        "7\tback in strings\n");
    EXPECT_EQ(set.String(1), "One\nTwo\tTab\\Back");
    EXPECT_EQ(set.String(2), "second");
    EXPECT_EQ(set.String(7), "back in strings");
    EXPECT_FALSE(set.Strings().Contains(6));
    EXPECT_EQ(set.Strings().Size(), 3u);
    EXPECT_EQ(set.String(99), "");
}

TEST(ResourceSetParse, MenusNestPopupsAndSkipMalformedLines) {
    const CResourceSet set = CResourceSet::Parse(
        "[menu 10]\n"
        "END\n"  // nothing to close at the top: ignored
        "POPUP\t&File\n"
        "ITEM\t100\t&New\\tCtrl+N\n"
        "ITEM\tabc\tbad number\n"
        "ITEM\t101\n"
        "SEPARATOR\n"
        "RECENT\n"
        "BOGUS\t1\n"
        "POPUP\t&Sub\n"
        "ITEM\t102\tDeep\n"
        "END\n"
        "ITEM\t103\tAfter the submenu\n"
        "END\n"
        "POPUP\tUnclosed\n"
        "ITEM\t104\tClosed by the end of the section\n"
        "[menu 11]\n"
        "ITEM\t105\tTop-level item\n");
    ASSERT_NE(set.Menu(10), nullptr);
    // An item may have no text (101).
    EXPECT_EQ(DumpMenu(*set.Menu(10)),
              "&File[100:&New\tCtrl+N | 101: | - | R | &Sub[102:Deep] | "
              "103:After the submenu] | "
              "Unclosed[104:Closed by the end of the section]");
    ASSERT_NE(set.Menu(11), nullptr);
    EXPECT_EQ(DumpMenu(*set.Menu(11)), "105:Top-level item");
    EXPECT_EQ(set.Menu(12), nullptr);
}

TEST(ResourceSetParse, AcceleratorsToolbarsAndDialogTexts) {
    const CResourceSet set = CResourceSet::Parse(
        "[accelerators 1]\n"
        "100\tCtrl+N\n"
        "101\n"
        "xx\tF1\n"
        "102\tAlt+RetArr\n"
        "[toolbar 1]\n"
        "100\n"
        "SEPARATOR\n"
        "101\n"
        "0\n"
        "-4\n"
        "junk\n"
        "[dialog 5]\n"
        "0\tTitle\n"
        "1\tO&K\n"
        "-7\tfirst\\nsecond\n"
        "no number\ttext\n"
        "3\tkept\n"
        "3\n"
        "[dialog 6]\n"
        "0\tOther title\n");
    ASSERT_NE(set.Accelerators(1), nullptr);
    std::string keys;
    for (const auto& a : *set.Accelerators(1))
        keys += std::to_string(a.command) + "=" + a.keys + " ";
    EXPECT_EQ(keys, "100=Ctrl+N 102=Alt+RetArr ");
    EXPECT_EQ(set.Accelerators(2), nullptr);

    ASSERT_NE(set.Toolbar(1), nullptr);
    EXPECT_EQ(*set.Toolbar(1), (std::vector<int>{100, 0, 101}));

    EXPECT_EQ(set.DialogText(5, 0), "Title");
    EXPECT_EQ(set.DialogText(5, 1), "O&K");
    EXPECT_EQ(set.DialogText(5, -7), "first\nsecond");
    EXPECT_EQ(set.DialogText(5, 2), "");
    EXPECT_EQ(set.DialogText(5, 3), "kept");  // a line without a tab is no entry
    EXPECT_EQ(set.DialogText(6, 0), "Other title");
    EXPECT_EQ(set.DialogText(7, 0), "");
}

TEST(ResourceSetParse, ImagesAndCursorsRunToTheNextSection) {
    const CResourceSet set = CResourceSet::Parse(
        "[image 127]\n"
        "/* XPM */\n"
        "\"2 1 1 1\",\r\n"
        "\n"
        "\"a c #FF0000\",\n"
        "\"aa\"};\n"
        "[cursor 172]\n"
        "hotspot\t3\t4\n"
        "/* XPM */\n"
        "[cursor 173]\n"
        "/* XPM */ without a hotspot line\n"
        "[cursor 174]\n"
        "hotspot\t1\n"
        "[image 128]\n"
        "[strings]\n"
        "1\tafter the images\n");
    const std::string* image = set.Image(127);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(*image, "/* XPM */\n\"2 1 1 1\",\n\"a c #FF0000\",\n\"aa\"};\n");
    const auto* cursor = set.CursorImage(172);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(std::pair(cursor->hotX, cursor->hotY), std::pair(3, 4));
    EXPECT_EQ(cursor->xpm, "/* XPM */\n");
    EXPECT_EQ(set.CursorImage(173), nullptr);
    EXPECT_EQ(set.CursorImage(174), nullptr);
    EXPECT_EQ(set.Image(128), nullptr);  // an empty section holds no image
    EXPECT_EQ(set.String(1), "after the images");
}

TEST(ResourceSetParse, ARepeatedSectionReplacesTheEarlierOne) {
    const CResourceSet set = CResourceSet::Parse(
        "[toolbar 1]\n1\n2\n"
        "[menu 3]\nITEM\t1\tOld\n"
        "[toolbar 1]\n3\n"
        "[menu 3]\nITEM\t2\tNew\n");
    EXPECT_EQ(*set.Toolbar(1), std::vector<int>{3});
    EXPECT_EQ(DumpMenu(*set.Menu(3)), "2:New");
}

// The message of a print failure names the file; the other failures' messages
// are checked through the tool's exit table (ToolCommandsTest).
TEST(FailureMessage, PrintFailureNamesTheFile) {
    EXPECT_EQ(FailureMessage(Status::CannotPrint("x", "jammed"), CStringTable::Builtin(), "a.blv"),
              "L'impression sur a.blv n'a pas abouti.");
}

}  // namespace
}  // namespace belvane
