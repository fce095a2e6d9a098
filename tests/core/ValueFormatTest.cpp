#include "RecordBuilders.h"
#include "core/DayDate.h"
#include "core/ValueFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <tuple>

namespace belvane {
namespace {

// Shown with or without its sign, right-aligned in a width, never cut.
TEST(FormatAmount, Table) {
    constexpr Amount kMin = -2147483647 - 1, kMax = 2147483647;  // the 32-bit ends
    const std::tuple<Amount, bool, int, const char*> cases[] = {
        {150, false, 0, "1,50"},          {-5, false, 0, "0,05"},
        {150, true, 0, "+1,50"},          {-99, true, 0, "-0,99"},
        {-100, true, 0, "-1,00"},         {0, true, 0, "+0,00"},
        {kMin, true, 0, "-21474836,48"},  {kMax, true, 0, "+21474836,47"},
        {-1234, true, 11, "     -12,34"}, {123456789, true, 5, "+1234567,89"},
    };
    for (const auto& [amount, withSign, width, expected] : cases)
        EXPECT_EQ(FormatAmount(amount, withSign, width, ","), expected) << amount;
}

// What an amount field reads, "Crédit" chosen: the sign typed, else positive.
TEST(ParseAmount, AcceptedForms) {
    const std::pair<const char*, Amount> cases[] = {
        {"", 0},
        {"12", 1200},
        {"12,5", 1250},
        {"12,05", 1205},
        {",5", 50},
        {"1 234,56", 123456},
        {"1\u00A0234,56", 123456},
        {"1\u202F234\u202F567", 123456700},
        {"1.234.567,89", 123456789},
        {"1234.56", 123456},
        {"-12,50", -1250},
        {"+12,50", 1250},
        {"21474836,47", kMaxAmount},
        {"-21 474 836,47", -kMaxAmount},
        {"0021474836.47", kMaxAmount},
    };
    for (const auto& [text, expected] : cases) {
        const TypedAmount typed = ParseAmount(text, ",");
        EXPECT_TRUE(typed.IsRead()) << '"' << text << '"';
        EXPECT_EQ(typed.Signed(true), expected) << '"' << text << '"';
    }
    // Another symbol is read as well as "," and ".".
    EXPECT_EQ(ParseAmount("12;34", ";").cents, 1234);
    EXPECT_EQ(ParseAmount("12,34", ";").cents, 1234);
}

// Letters, signs alone or elsewhere, a third decimal, a separator without
// decimals, misplaced or mixed grouping, blanks around the amount, a grouping
// point before a decimal point or without decimals, an unusable symbol; then
// more than a register holds, in either sign.
TEST(ParseAmount, RefusedForms) {
    for (const char* text :
         {"abc", "12abc", "12,5x9",  "-",         "+",        "--5",          "5-",     "12,345",
          "12,", ",",     "12 34,5", "1 2345",    "1234 567", "1 234.567,89", "1  234", " 12",
          "12 ", "- 12",  "1.234",   "1.234.567", "1,234.56", "1..5",         "12;34"})
        EXPECT_EQ(ParseAmount(text, ",").reading, TypedAmount::Reading::NotAnAmount) << text;
    EXPECT_EQ(ParseAmount("12a34", "a").reading, TypedAmount::Reading::NotAnAmount);
    for (const char* text : {"21474836,48", "-21 474 836,48", "21474837", "99999999999999999999"})
        EXPECT_EQ(ParseAmount(text, ",").reading, TypedAmount::Reading::TooLarge) << text;
}

// Every amount shown, with any usable symbol, reads back as itself.
TEST(ParseAmount, ReadsBackWhatIsShown) {
    for (const char* symbol : {",", ".", ";", "'"})
        for (const Amount a : {0, 5, -5, 99, -150, 123456, kMaxAmount, -kMaxAmount}) {
            const TypedAmount typed = ParseAmount(FormatAmount(a, true, 0, symbol), symbol);
            EXPECT_EQ(typed.Signed(false), a) << a << ' ' << symbol;
            EXPECT_EQ(ParseAmount(FormatAmount(a, false, 0, symbol), symbol).cents, std::abs(a));
        }
}

TEST(IsUsableDecimalSymbol, OnePunctuationCharacterButTheSigns) {
    for (const char* ok : {",", ".", "'", ";", "_"})
        EXPECT_TRUE(IsUsableDecimalSymbol(ok)) << ok;
    for (const char* bad : {"", "0", "7", "-", "+", " ", "\t", ",,", "a", "x", "\xC2\xB7"})
        EXPECT_FALSE(IsUsableDecimalSymbol(bad)) << '"' << bad << '"';
}

TEST(ParseSmallNumber, Table) {
    for (const auto& [text, n] :
         {std::pair("0", 0), std::pair("12", 12), std::pair("-999", -999), std::pair("+5", 5),
          std::pair("007", 7), std::pair("999999", 999999)})
        EXPECT_EQ(ParseSmallNumber(text), n) << text;
    for (const char* text : {"", "-", "abc", "3x", " 3", "3 ", "4-5", "1000000", "1,5"})
        EXPECT_EQ(ParseSmallNumber(text), std::nullopt) << '"' << text << '"';
}

TEST(FormatDate, PatternsAndNoDate) {
    const DayDate d = ToDayDate(2009, 12, 5);
    EXPECT_EQ(FormatDate(d, "%d.%m.%y"), "05.12.09");
    EXPECT_EQ(FormatDate(d, "%d.%m.%Y"), "05.12.2009");
    EXPECT_EQ(FormatDate(d, "%a %%"), "Sat %") << "other directives go to strftime, weekday set";
    EXPECT_EQ(FormatDate(0, "%d.%m.%y"), "        ");
    EXPECT_EQ(FormatDate(d, ""), "        ");
    EXPECT_EQ(FormatDate(ToDayDate(2000, 1, 9), "%d.%m.%y"), "09.01.00");
}

// Every offered pattern gives exactly eight characters for any date of the range.
TEST(FormatDate, OfferedPatternsGiveEightCharacters) {
    const char* patterns[] = {"%d.%m.%y", "%d/%m/%y", "%d-%m-%y", "%m.%d.%y", "%m/%d/%y",
                              "%m-%d-%y", "%y.%m.%d", "%y/%m/%d", "%y-%m-%d"};
    for (const char* p : patterns)
        for (const DayDate d : {FirstUserDate(), ToDayDate(2016, 2, 29), LastUserDate()})
            EXPECT_EQ(FormatDate(d, p).size(), 8u) << p;
}

// What the date fields read (0: no date) on a given day, an incomplete date
// taken in the past unless said otherwise.
TEST(ParseDate, Table) {
    using testutil::D;
    const CivilDate mar10{2009, 3, 10}, jan10{2009, 1, 10}, dec06{2026, 12, 6}, jun10{2010, 6, 1};
    const struct {
        const char* text;
        DayDate expected;
        CivilDate today = {2009, 6, 1};
        bool past = true;
        const char* pattern = "%d.%m.%y";
    } cases[] = {
        // Missing month and year come from today; today itself is not "later";
        // going back, the month then the year; "." is today, ".." no day.
        {"15", D(2009, 2, 15), mar10},
        {"15", D(2009, 3, 15), mar10, false},
        {"10", D(2009, 3, 10), mar10},
        {"31", 0, mar10},  // 31 February
        {"15.12", D(2008, 12, 15), jan10},
        {"15.12", D(2009, 12, 15), jan10, false},
        {"15", D(2008, 12, 15), jan10},
        {".", D(2026, 12, 6), dec06},
        {"..", 0, dec06},
        // The year window.
        {"1.2.36", 0},
        {"1.2.35", D(2035, 2, 1)},
        {"1.2.0", D(2000, 2, 1)},
        {"1.2.89", 0},
        {"1.2.90", D(1990, 2, 1)},
        {"1.2.100", 0},
        {"1.2.1989", 0},
        {"1.2.1990", D(1990, 2, 1)},
        {"1.2.2035", D(2035, 2, 1)},
        {"1.2.2036", 0},
        // Invalid days and months, days past a month's end among them.
        {"", 0},
        {"0", 0},
        {"1.0.09", 0},
        {"1.13.09", 0},
        {"99999999999999999999", 0},
        {"29.02.25", 0},
        {"29.02.24", D(2024, 2, 29)},
        {"1.123", 0},
        // The pattern's order decides the fields; two numbers: month first for
        // the "mm" and "yy" forms.
        {"12/31/09", D(2009, 12, 31), jun10, true, "%m/%d/%y"},
        {"09-12-31", D(2009, 12, 31), jun10, true, "%y-%m-%d"},
        {"5/3", D(2010, 5, 3), jun10, true, "%m/%d/%y"},
        {"5.3", D(2010, 3, 5), jun10},
        // Nothing but digits and separators; one separator may end a partial
        // date; three numbers at most.
        {" 15.3.09", 0, jun10},
        {"15.3.", D(2010, 3, 15), jun10},
        {"15.3.09.7", 0, jun10},
        {"1..09", 0, jun10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDate(c.text, c.past, c.pattern, c.today), c.expected)
            << '"' << c.text << "\" " << c.pattern;
}

TEST(DayDate, ZoneIndependentValues) {
    // Midnight in UTC+1: the open end of date ranges is exactly 1 January 2036.
    EXPECT_EQ(ToDayDate(2036, 1, 1), kOpenEndDate);
    EXPECT_EQ(ToDayDate(1970, 1, 1), -3600);
    EXPECT_EQ(ToCivil(kOpenEndDate), (CivilDate{2036, 1, 1}));
    // Midnights written in other zones (daylight saving, UTC) keep their day.
    const DayDate d = ToDayDate(2009, 7, 14);
    for (const int shift : {-3600 * 11, -3600, 0, 3600, 3600 * 11})
        EXPECT_EQ(ToCivil(d + shift), (CivilDate{2009, 7, 14})) << shift;
    // Every day of the user range survives the round trip.
    for (DayDate t = FirstUserDate(); t <= LastUserDate(); t += 86400) {
        const CivilDate c = ToCivil(t);
        ASSERT_EQ(ToDayDate(c), t);
    }
}

}  // namespace
}  // namespace belvane
