// The preferences' decisions: date formats both ways, the column lists, the
// directory and decimal-symbol rules and the calculator.
#include "core/SettingsStore.h"
#include "uilogic/CalculatorCommand.h"
#include "uilogic/ColumnLists.h"
#include "uilogic/DateFormatChoice.h"
#include "uilogic/DirectoryPreferences.h"
#include "uilogic/PreferenceChecks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace belvane {
namespace {

TEST(DateFormatChoice, ConvertsBothWaysAndFindsTheEntry) {
    // Stored, shown, and the list entry chosen for the stored format.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"%m/%d/%y", "mm/dd/yy", "mm/dd/yy"},
        {"%d %B %Y", "dd BB YY", "dd.mm.yy"},  // not one of the nine: the default
        {"dd.mm.yy", "dd.mm.yy", "dd.mm.yy"},  // the shown form is no stored format
        {"", "", "dd.mm.yy"},
    };
    for (const auto& [stored, shown, selected] : cases) {
        EXPECT_EQ(DateFormatChoice::ToShown(stored), shown) << stored;
        if (stored.starts_with('%')) {
            EXPECT_EQ(DateFormatChoice::ToStored(shown), stored) << shown;
        }
        const int index = DateFormatChoice::IndexOf(stored, "%d.%m.%y");
        EXPECT_EQ(DateFormatChoice::Shown()[index], selected) << stored;
    }
    EXPECT_TRUE(std::is_sorted(DateFormatChoice::Shown().begin(), DateFormatChoice::Shown().end()));
}

std::vector<int> Ids(const std::vector<ColumnItem>& items) {
    std::vector<int> ids;
    for (const ColumnItem& c : items)
        ids.push_back(c.id);
    return ids;
}

TEST(ColumnLists, OpensAddsAndRemovesInIdentifierOrder) {
    ColumnLists lists({5, 11, 0}, {16, 32, 32, 32, 32, 60});
    EXPECT_EQ(Ids(lists.Available()), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
    EXPECT_EQ(lists.Displayed()[1], (ColumnItem{11, 60}));
    lists.Add({0, 7});  // 1 and 9
    EXPECT_EQ(Ids(lists.Displayed()), (std::vector<int>{5, 11, 0, 1, 9}));
    lists.Remove({0, 4});  // 5 and 9 go back between their neighbours
    EXPECT_EQ(Ids(lists.Available()), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
    lists.Remove({0, 1, 2});
    EXPECT_TRUE(lists.Columns().empty());
    EXPECT_EQ(lists.Available().size(), 12u);
}

TEST(ColumnLists, MovesSelectedItemsUnlessAtAnEnd) {
    // Up or down, the selection, the displayed identifiers and the selection after.
    using V = std::vector<int>;
    const std::tuple<bool, V, V, V> cases[] = {
        {true, {1, 3}, {1, 0, 3, 2}, {0, 2}},
        {true, {0, 2}, {0, 1, 2, 3}, {0, 2}},  // the first is selected: nothing moves
        {false, {0, 1}, {2, 0, 1, 3}, {1, 2}},
        {false, {1, 3}, {0, 1, 2, 3}, {1, 3}},  // the last is selected
    };
    for (const auto& [up, selected, order, selection] : cases) {
        ColumnLists lists({0, 1, 2, 3}, {});
        EXPECT_EQ(up ? lists.MoveUp(selected) : lists.MoveDown(selected), selection);
        EXPECT_EQ(Ids(lists.Displayed()), order);
    }
}

TEST(ColumnLists, WidthsStayWithinTheColumnsLargest) {
    ColumnLists lists({11, 3, 5}, {16, 32, 32, 32, 32, 128});
    lists.SetWidth(0, 200);
    lists.SetWidth(1, 0);
    lists.SetWidth(2, 40);  // the amount has no width
    EXPECT_EQ(lists.Widths({9, 9, 9, 9, 9, 9}), (std::array<int, 6>{1, 9, 9, 9, 9, 128}));
    EXPECT_EQ(lists.Displayed()[2], (ColumnItem{5, 0}));

    EXPECT_EQ(ColumnLists::AfterAvailableSelection({2}),
              (ColumnButtons{true, false, false, false, 0}));
    EXPECT_EQ(lists.AfterDisplayedSelection({0}), (ColumnButtons{false, true, true, true, 128}));
    EXPECT_EQ(lists.AfterDisplayedSelection({2}), (ColumnButtons{false, true, true, true, 0}));
    EXPECT_EQ(lists.AfterDisplayedSelection({0, 1}), (ColumnButtons{false, true, true, true, 0}));
    EXPECT_EQ(lists.AfterDisplayedSelection({}), ColumnButtons{});
    ColumnLists one({4}, {});
    EXPECT_EQ(one.AfterDisplayedSelection({0}), (ColumnButtons{false, true, false, false, 32}));
}

TEST(PreferenceChecks, DirectoriesEndInTheSeparator) {
    const std::tuple<std::string, char, std::string> cases[] = {
        {"", '/', ""},
        {"/home/anne/copies/", '/', "/home/anne/copies/"},
        {"C:\\Copies", '\\', "C:\\Copies\\"}};
    for (const auto& [typed, separator, stored] : cases)
        EXPECT_EQ(WithTrailingSeparator(typed, separator), stored) << typed;

    CMemorySettings settings;
    DirectoryPreferences{"", "/copies", true, "kcalc --mode 'sci fi'"}.Write(settings, '/');
    const DirectoryPreferences read = DirectoryPreferences::Read(settings, "xcalc");
    EXPECT_EQ(std::tie(read.initialDir, read.backupDir, read.noConfirm, read.calculator),
              std::tuple("", "/copies/", true, "kcalc --mode 'sci fi'"));
}

TEST(CalculatorCommand, DefaultIsTheFirstCalculatorFound) {
    const std::set<std::string_view> none, some = {"kcalc", "galculator"};
    const auto on = [](const std::set<std::string_view>& path) {
        return [&path](std::string_view p) { return path.contains(p); };
    };
    EXPECT_EQ(CalculatorCommand::Default(true, on(some)), "Calc.exe");
    EXPECT_EQ(CalculatorCommand::Default(false, on(some)), "kcalc");
    EXPECT_EQ(CalculatorCommand::Default(false, on(none)), "xcalc");
}

TEST(CalculatorCommand, SplitsAsAShellWould) {
    using W = std::vector<std::string>;
    const std::tuple<std::string, bool, W> cases[] = {
        {"  kcalc   --mode  sci ", true, {"kcalc", "--mode", "sci"}},
        {"\"/opt/my calc/calc\" -x 'a b' \"\"", true, {"/opt/my calc/calc", "-x", "a b", ""}},
        {"my\\ calc \"say \\\"hi\\\"\"", true, {"my calc", "say \"hi\""}},
        {"C:\\Windows\\calc.exe /x", false, {"C:\\Windows\\calc.exe", "/x"}},
        {"\"unclosed quote", true, {"unclosed quote"}},
        {"   ", true, {}},
    };
    for (const auto& [line, escapes, words] : cases)
        EXPECT_EQ(CalculatorCommand::Split(line, escapes), words) << line;
}

}  // namespace
}  // namespace belvane
