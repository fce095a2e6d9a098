#pragma once

#include "core/Clock.h"
#include "core/DayDate.h"
#include "core/Types.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

// Amounts and dates to text and back, steered by the decimal symbol and date
// format settings. ValueFormat (at the end) holds the two settings and the
// clock for the register and its views; the functions take them as arguments.
namespace belvane {

// Unsigned form "%ld%s%02ld" (sign dropped) or signed form ("+1,50", "-0,50",
// "+0,00"), right-aligned in `width` characters (a longer text is not cut).
std::string FormatAmount(Amount amount, bool withSign, int width, std::string_view decimalSymbol);

// The largest amount a register holds, with either sign: 21 474 836,47
// (32-bit cents).
inline constexpr Amount kMaxAmount = 2147483647;

// The date in the strftime-style pattern ("%d.%m.%y"); eight blanks for 0 or
// when the pattern gives an empty text.
std::string FormatDate(DayDate date, std::string_view pattern);

// --- what the user types ---------------------------------------------------
// Each reader gives the exact value typed or says that the text does not read;
// it never guesses. A blank before or after the value does not read either.

// Whether `symbol` can separate the units of an amount from its cents: one
// punctuation character other than the signs "-" and "+".
bool IsUsableDecimalSymbol(std::string_view symbol);

// An amount as typed in an amount field.
struct TypedAmount {
    enum class Reading { Read, NotAnAmount, TooLarge };
    Reading reading = Reading::Read;
    Amount cents = 0;  // without its sign, 0 to kMaxAmount
    int sign = 0;      // -1 or +1 when a sign was typed in front of it, else 0

    bool IsRead() const { return reading == Reading::Read; }
    // The message refusing the text (10121, or 10111 beyond kMaxAmount), 0
    // when it reads.
    int Refusal() const;
    // The amount to store: negative for a typed "-", else for a debit.
    Amount Signed(bool credit) const;
};

// Reads an amount: an optional sign, then units grouped or not, then
// optionally the decimal separator and one or two decimals ("1 234,56",
// "1.234,56", "1234.56", ",5", "-12,50"). The decimal separator is "," or "."
// or `decimalSymbol` when usable; units may be grouped in threes by a space, a
// no-break space (U+00A0, U+202F) or, before a "," decimal part, by ".".
// The empty text is 0.
TypedAmount ParseAmount(std::string_view text, std::string_view decimalSymbol);

// The longest amount text ParseAmount takes, in characters ("-21 474 836,47").
inline constexpr int kLongestAmountChars = 14;

// Reads a typed date: "." "/" or "-" alone is today; otherwise one to three
// numbers separated by ".", "/" or "-", in the pattern's order: a day, a day
// and a month, or all three. Days and months have one or two digits; a year of
// one or two digits lies in the window 90-99 (1990-1999) or 0-35 (2000-2035),
// one of four digits from 1990 to 2035. A missing month and year come from
// today (from the past when `past` is set: 15 typed on 10 March is 15
// February). A day beyond the end of its month does not read. Returns 0 when
// the text is not a date.
DayDate ParseDate(std::string_view text, bool past, std::string_view pattern, CivilDate today);

// A date written whole, the year in four digits (the tool's "2026-02-15" with
// the pattern "%Y-%m-%d"), by the rules of ParseDate; 0 when it is not one.
DayDate ParseWholeDate(std::string_view text, std::string_view pattern);

// The longest date text ParseDate takes, in characters ("15.01.2026").
inline constexpr int kLongestDateChars = 10;

// Reads a small whole number (a count of months, a day, a shift in days): an
// optional sign and one to six digits, nothing else.
std::optional<int> ParseSmallNumber(std::string_view text);

// The display settings of a register (its date pattern and decimal symbol) and
// the clock its "today" comes from: what the views, dialogs and reports need to
// show a value or read one typed. The document owns the one of the run and
// changes it in place, so a reference to it sees every change of settings.
class ValueFormat {
public:
    // `clock` must outlive the object.
    ValueFormat(std::string dateFormat, std::string decimalSymbol,
                const Clock& clock = Clock::System())
        : m_dateFormat(std::move(dateFormat)),
          m_decimalSymbol(std::move(decimalSymbol)),
          m_clock(&clock) {}

    void SetSettings(std::string dateFormat, std::string decimalSymbol);
    void SetClock(const Clock& clock) { m_clock = &clock; }

    const std::string& GetDateFormat() const { return m_dateFormat; }
    const std::string& GetDecimalSymbol() const { return m_decimalSymbol; }
    // The register's today: the due movements, balances and the purge limit
    // count from it, as "." typed in a date does.
    DayDate Today() const { return ToDayDate(m_clock->Today()); }

    std::string FormatAmount(Amount amount, bool withSign, int width) const;
    std::string FormatDate(DayDate date) const;
    DayDate ParseDate(std::string_view text, bool past = true) const;
    TypedAmount ParseAmount(std::string_view text) const;

private:
    std::string m_dateFormat;
    std::string m_decimalSymbol;
    const Clock* m_clock;
};

}  // namespace belvane
