#include "core/CSousRubrique.h"
#include "core/StringTable.h"
#include "core/Text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace belvane {
namespace {

// The one lookup of records by name: the first whose name equals without case,
// folded fully (ß is SS), accents kept.
TEST(Text, FindByNameIgnoresCaseAndSaysMinusOneForNone) {
    const std::vector<CSousRubrique> records = {
        {"Boulangerie", 0}, {"Marché", 0}, {"MARCHÉ", 0}, {"Straße", 0}};
    const std::pair<const char*, int> cases[] = {{"MARCHÉ", 1},  {"boulangerie", 0},
                                                 {"", -1},       {"Boucherie", -1},
                                                 {"Marche", -1}, {"STRASSE", 3}};
    for (const auto& [name, index] : cases)
        EXPECT_EQ(text::FindByName(records, name), index) << name;
}

TEST(Text, ToIntTakesTheWholeTextOrNothing) {
    const std::optional<int> no;
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"1036", 1036}, {"-1", -1},    {"", no},           {" 1", no},
        {"1 ", no},     {"0x40C", no}, {"99999999999", no}};
    for (const auto& [s, value] : cases)
        EXPECT_EQ(text::ToInt(s), value) << s;
}

TEST(Text, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = text::DecodeCp1252(all);
    EXPECT_EQ(text::Length(utf8), 255u);
    const auto back = text::EncodeCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
    EXPECT_EQ(text::DecodeCp1252("\x80\xE9"), "€é");
    EXPECT_FALSE(text::EncodeCp1252("\xC3").has_value());  // a cut UTF-8 sequence
}

// Printf conversions in order, numbered places by number, and nothing a
// translation writes trusted as a format.
TEST(FillPlaceholders, FillsTheResourceForms) {
    using Args = std::vector<std::string_view>;
    const std::tuple<std::string_view, Args, std::string_view> cases[] = {
        {"n°%d du %s : %s", {"3", "01.02.09", "EDF"}, "n°3 du 01.02.09 : EDF"},
        {"%ld lignes, %u, %i", {"7", "8", "9"}, "7 lignes, 8, 9"},
        {"100%% %s", {"x"}, "100% x"},
        {"%x %s", {"a"}, "%x a"},
        {"%s-%s", {"a"}, "a-"},
        {"fin %", {}, "fin %"},
        {"%s", {"%s%d%1"}, "%s%d%1"},
        {"%2 puis %1, encore %1", {"a", "b"}, "b puis a, encore a"},
        {"le fichier %1.", {}, "le fichier ."},
        {"%0 et %a", {"x"}, "%0 et %a"},
    };
    for (const auto& [pattern, args, filled] : cases)
        EXPECT_EQ(FillPlaceholders(pattern, args), filled) << pattern;
}

}  // namespace
}  // namespace belvane
