#include "core/DayDate.h"
#include "core/ValueFormat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace belvane {
namespace {

TEST(FormatAmount, SignedAndUnsignedForms) {
    struct Case {
        Amount amount;
        bool withSign;
        const char* expected;
    };
    const Case cases[] = {
        {150, false, "1,50"},
        {-5, false, "0,05"},
        {150, true, "+1,50"},
        {-150, true, "-1,50"},
        {-99, true, "-0,99"},
        {-100, true, "-1,00"},
        {0, true, "+0,00"},
        {-2147483647 - 1, true, "-21474836,48"},
        {2147483647, true, "+21474836,47"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatAmount(c.amount, c.withSign, 0, ","), c.expected) << c.amount;
}

TEST(FormatAmount, RightAlignsWithoutCutting) {
    EXPECT_EQ(FormatAmount(-1234, true, 11, ","), "     -12,34");
    EXPECT_EQ(FormatAmount(123456789, true, 5, ","), "+1234567,89");
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
        {"1.234,56", 123456},
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
    EXPECT_EQ(FormatDate(d, "%m/%d/%y"), "12/05/09");
    EXPECT_EQ(FormatDate(d, "%y-%m-%d"), "09-12-05");
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

// What the date fields read: text, whether an incomplete date is taken in the
// past, today, the pattern, and the date read (0: no date).
TEST(ParseDate, Table) {
    const CivilDate mar10{2009, 3, 10}, jan10{2009, 1, 10}, jun09{2009, 6, 1}, jun10{2010, 6, 1};
    const char* const dmy = "%d.%m.%y";
    const struct {
        const char* text;
        bool past;
        CivilDate today;
        const char* pattern;
        DayDate expected;
    } cases[] = {
        // Missing month and year come from today; today itself is not "later".
        {"15", true, mar10, dmy, ToDayDate(2009, 2, 15)},
        {"15", false, mar10, dmy, ToDayDate(2009, 3, 15)},
        {"5", true, mar10, dmy, ToDayDate(2009, 3, 5)},
        {"10", true, mar10, dmy, ToDayDate(2009, 3, 10)},
        {"15.12", true, jan10, dmy, ToDayDate(2008, 12, 15)},
        {"15.12", false, jan10, dmy, ToDayDate(2009, 12, 15)},
        {"15", true, jan10, dmy, ToDayDate(2008, 12, 15)},  // month then year go back
        // Today's shortcuts; two dots give no day.
        {".", true, {2026, 12, 6}, dmy, ToDayDate(2026, 12, 6)},
        {"..", true, {2026, 12, 6}, dmy, 0},
        // The year window.
        {"1.2.36", true, jun09, dmy, 0},
        {"1.2.35", true, jun09, dmy, ToDayDate(2035, 2, 1)},
        {"1.2.0", true, jun09, dmy, ToDayDate(2000, 2, 1)},
        {"1.2.89", true, jun09, dmy, 0},
        {"1.2.90", true, jun09, dmy, ToDayDate(1990, 2, 1)},
        {"1.2.100", true, jun09, dmy, 0},
        {"1.2.1989", true, jun09, dmy, 0},
        {"1.2.1990", true, jun09, dmy, ToDayDate(1990, 2, 1)},
        {"1.2.2035", true, jun09, dmy, ToDayDate(2035, 2, 1)},
        {"1.2.2036", true, jun09, dmy, 0},
        // Invalid days and months, days past a month's end among them.
        {"", true, jun09, dmy, 0},
        {"0", true, jun09, dmy, 0},
        {"1.0.09", true, jun09, dmy, 0},
        {"1.13.09", true, jun09, dmy, 0},
        {"x", true, jun09, dmy, 0},
        {"99999999999999999999", true, jun09, dmy, 0},
        {"29.02.25", true, jun09, dmy, 0},
        {"29.02.24", true, jun09, dmy, ToDayDate(2024, 2, 29)},
        {"31", true, mar10, dmy, 0},  // 31 February
        {"1.123", true, jun09, dmy, 0},
        // The pattern's order decides the fields; two numbers: month first for
        // the "mm" and "yy" forms.
        {"12/31/09", true, jun10, "%m/%d/%y", ToDayDate(2009, 12, 31)},
        {"09-12-31", true, jun10, "%y-%m-%d", ToDayDate(2009, 12, 31)},
        {"5/3", true, jun10, "%m/%d/%y", ToDayDate(2010, 5, 3)},
        {"5.3", true, jun10, dmy, ToDayDate(2010, 3, 5)},
        // Nothing but digits and separators; one separator may end a partial
        // date; three numbers at most.
        {" 15.3.09", true, jun10, dmy, 0},
        {"15.3.", true, jun10, dmy, ToDayDate(2010, 3, 15)},
        {"15.3.09.7", true, jun10, dmy, 0},
        {"1..09", true, jun10, dmy, 0},
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
