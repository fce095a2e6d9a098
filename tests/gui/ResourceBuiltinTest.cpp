// The built-in French resource set holds every numbered resource the program
// looks up, with the placeholders its code fills in.
#include "core/CResourceSet.h"
#include "core/StringIds.h"
#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace belvane {
namespace {

const CResourceSet& Fr() {
    return CResourceSet::Builtin();
}

// Every command that a menu, the toolbar or an accelerator carries.
const std::set<int> kCommands = {32775, 32776, 32777, 32778, 32779, 32780, 32781, 32782, 32786,
                                 32787, 32788, 32789, 32790, 32791, 32792, 32793, 32796, 32824,
                                 32838, 32839, 32840, 32844, 32849, 32852, 32854, 57600, 57601,
                                 57603, 57604, 57606, 57607, 57608, 57609, 57643, 57653, 57664,
                                 57665, 57670, 57680, 57681, 59392, 59393, 2};

TEST(ResourceBuiltin, HasEveryMessageAndFrameworkString) {
    std::vector<int> ids = {50,    51,    52,    90,    91,    92,    93,    94,    95,
                            96,    128,   57344, 57345, 59137, 59138, 59139, 59142, 59143,
                            59144, 61440, 61441, 61442, 61698, 61699, 61704, 61705, 61706};
    // The messages, 10000 to 10115, less the numbers nothing uses; the column titles.
    const std::pair<int, int> ranges[] = {{10000, 10043}, {10046, 10089}, {10091, 10094},
                                          {10096, 10110}, {10112, 10115}, {57616, 57624}};
    for (const auto& [first, last] : ranges)
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    for (const int id : ids)
        EXPECT_FALSE(Fr().String(id).empty()) << "string " << id;
    EXPECT_EQ(Fr().String(95), "1036");  // the language identifier, read as a number
}

// The status texts and titles are filled in by position (%s, %d), the file
// messages by Qt (%1): each holds exactly the placeholders its caller gives.
TEST(ResourceBuiltin, PlaceholdersMatchWhatTheCodeFillsIn) {
    const auto count = [](const std::string& text, char first) {
        int n = 0;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '%' && (first == 's' ? text[i + 1] != '%' : text[i + 1] == first))
                ++n, ++i;
        return n;
    };
    for (const int id : {ids::kStatementText, 10050, 10061, 10062, 10063})
        EXPECT_EQ(count(Fr().String(id), 's'), 1) << id;
    for (const int id : {ids::kLineCredit, ids::kLineDebit})
        EXPECT_EQ(count(Fr().String(id), 's'), 3) << id;
    EXPECT_EQ(count(Fr().String(ids::kExportRecord), 's'), 9);
    for (const int id :
         {ids::kMsgAskToSave, ids::kMsgDamaged, ids::kMsgSaveFailed, ids::kMsgOpenFailed}) {
        EXPECT_EQ(count(Fr().String(id), '1'), 1) << id;
        EXPECT_EQ(count(Fr().String(id), '2'), 0) << id;
    }
}

// A command's string is its prompt, a line break, then its tooltip: both present.
TEST(ResourceBuiltin, EveryCommandHasAPromptAndATooltip) {
    for (const int id : kCommands)
        EXPECT_FALSE(CResources::Prompt(id).isEmpty() || CResources::Tooltip(id).isEmpty()) << id;
}

// The toolbar is checked button by button by the frame tests.
TEST(ResourceBuiltin, MenusAndAcceleratorsCarryKnownCommands) {
    for (const int id : {128, 209, 190, 219, 231, 221})
        EXPECT_NE(Fr().Menu(id), nullptr) << "menu " << id;
    const auto* keys = Fr().Accelerators(128);
    ASSERT_NE(keys, nullptr);
    for (const auto& a : *keys) {
        EXPECT_FALSE(CResources::Keys(a.keys).isEmpty()) << a.keys;
        EXPECT_TRUE(kCommands.contains(a.command)) << a.command;
    }
}

// The title of every dialog the program builds.
TEST(ResourceBuiltin, DialogTitles) {
    for (const int dialog : {137, 157, 164, 168, 169, 171, 178, 182, 183, 188, 195, 236})
        EXPECT_FALSE(Fr().DialogText(dialog, 0).empty()) << dialog;
}

}  // namespace
}  // namespace belvane
