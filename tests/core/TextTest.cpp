#include "core/CSousRubrique.h"
#include "core/StringTable.h"
#include "core/Text.h"

#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace belvane {
namespace {

TEST(Text, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(text::Length("Crédit Agricole"), 15u);
    EXPECT_EQ(text::Left("Crédit", 3), "Cré");
    EXPECT_EQ(text::Left("abc", 10), "abc");
    std::string out;
    text::AppendField(out, "Débit", 7, 7, true);
    EXPECT_EQ(out, "Débit  ");
    out.clear();
    text::AppendField(out, "Éléphant", 4, 4, false);
    EXPECT_EQ(out, "Élép");
    out.clear();
    text::AppendField(out, "ab", 4, 4, false);
    EXPECT_EQ(out, "  ab");
}

TEST(Text, CaseBlindEqualityFoldsFully) {
    EXPECT_TRUE(text::EqualsNoCase("Chèque", "CHÈQUE"));
    EXPECT_TRUE(text::EqualsNoCase("Straße", "STRASSE"));
    EXPECT_TRUE(text::EqualsNoCase("", ""));
    EXPECT_FALSE(text::EqualsNoCase("Chèque", "Cheque"));
    EXPECT_FALSE(text::EqualsNoCase("cb", "cbx"));
}

// The one lookup of records by name: the first whose name equals without case.
TEST(Text, FindByNameIgnoresCaseAndSaysMinusOneForNone) {
    const std::vector<CSousRubrique> records = {{"Boulangerie", 0}, {"Marché", 0}, {"MARCHÉ", 0}};
    const std::pair<const char*, int> cases[] = {
        {"MARCHÉ", 1}, {"boulangerie", 0}, {"", -1}, {"Boucherie", -1}, {"Marche", -1}};
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

TEST(Text, PathsDifferingInCaseAreOneFileOnlyOnWindows) {
    struct Case {
        const char* a;
        const char* b;
        bool sameOnLinux;
        bool sameOnWindows;
    };
    const Case cases[] = {
        {"/home/compte.blv", "/home/compte.blv", true, true},
        {"/home/Compte.blv", "/home/compte.blv", false, true},
        {"/home/é.blv", "/home/É.blv", false, true},
        {"/home/a.blv", "/home/b.blv", false, false},
    };
    for (const Case& c : cases) {
#ifdef _WIN32
        EXPECT_EQ(text::SamePath(c.a, c.b), c.sameOnWindows) << c.a << " " << c.b;
#else
        EXPECT_EQ(text::SamePath(c.a, c.b), c.sameOnLinux) << c.a << " " << c.b;
#endif
    }
}

TEST(Text, CaseBlindOrderKeepsAccents) {
    EXPECT_EQ(text::CompareNoCase("cb", "CB"), 0);
    EXPECT_LT(text::CompareNoCase("CB", "Chèque"), 0);
    EXPECT_LT(text::CompareNoCase("éclair", "ecole"), 0);
    EXPECT_LT(text::CompareNoCase("Zèbre", "zebu"), 0);
    EXPECT_NE(text::CompareNoCase("Chèque", "Cheque"), 0);
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
}

TEST(Text, Windows1252RefusesWhatItCannotHold) {
    EXPECT_FALSE(text::EncodeCp1252("Ω").has_value());
    EXPECT_FALSE(text::EncodeCp1252("日本").has_value());
    EXPECT_FALSE(text::EncodeCp1252("\xC3").has_value());  // cut UTF-8 sequence
    EXPECT_EQ(text::EncodeCp1252("Œuvre €").value(), "\x8Cuvre \x80");
}

TEST(Text, Utf16Conversions) {
    const std::u16string u = text::ToUtf16("aΩ😀");
    ASSERT_EQ(u.size(), 4u);  // the emoji is a surrogate pair
    std::string bytes;
    for (const char16_t c : u) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    EXPECT_EQ(text::DecodeUtf16Le(reinterpret_cast<const std::uint8_t*>(bytes.data()), u.size()),
              "aΩ😀");
}

// Printf conversions in order, numbered places by number, and nothing a
// translation writes trusted as a format.
TEST(FillPlaceholders, FillsTheResourceForms) {
    struct Case {
        std::string_view pattern;
        std::vector<std::string_view> args;
        std::string_view filled;
    };
    const std::vector<Case> cases = {
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
    for (const Case& c : cases)
        EXPECT_EQ(FillPlaceholders(c.pattern, c.args), c.filled) << c.pattern;
}

}  // namespace
}  // namespace belvane
