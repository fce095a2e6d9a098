#pragma once

#include "core/Types.h"
#include "statements/Statement.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The small readers of what banks write: their amounts and dates, their text
// encodings. They read the bank's forms, not the user's: a statement's amount
// is "-1234.56" or "1 234,56", never what the amount field of a dialog takes.
namespace belvane::bank {

// The text of a statement file as UTF-8: a UTF-8 file (with or without its
// byte-order mark) as it is, anything else read as windows-1252.
std::string DecodeText(std::span<const std::uint8_t> bytes);

// Reads an amount written with `decimal` ('.' or ',') as decimal separator: an
// optional sign before or after, digits possibly grouped by thousands (blank,
// no-break space, apostrophe or the other of '.' and ','), at most two
// decimals that are not zero. Gives None, BadAmount or AmountTooLarge.
StatementProblem::Kind ReadAmount(std::string_view text, char decimal, Amount& amount);

// The decimal separator of a column of amounts, decided from all of them: the
// separator that ends a cell followed by one or two digits; failing that, the
// one that never groups thousands.
char DecideDecimal(const std::vector<std::string_view>& amounts);

// A day, or 0 when it does not exist or lies outside what a register holds.
// Two-digit years are read in the program's window (00-35: 2000s, 90-99: 1900s).
DayDate MakeDate(int year, int month, int day);
int FullYear(int year, std::size_t digits);
// "2026-01-31" (a time may follow after 'T' or a blank), or 0.
DayDate ReadIsoDate(std::string_view text);
// "20260131", optionally followed by a time and zone ("120000[0:GMT]"): the day
// the bank wrote, whatever its zone. 0 when it is not such a date.
DayDate ReadCompactDate(std::string_view text);

// A day/month/year date split in its three numbers ("31/12/2025", "12/31'25",
// "31.12.25", " 1/ 2/26"): false when the text is not of that form.
struct DateParts {
    int first = 0;
    int second = 0;
    int year = 0;
};
bool SplitDate(std::string_view text, DateParts& parts);

// The day/month order of a file's dates, told from all of them (parts of year
// 0 are left out): a number above 12 in either place, else the order that
// gives the dates the shorter span; Unknown when nothing tells. `bad` is the
// first date that reads neither way, `mixed` the first that contradicts an
// earlier one; -1 when there is none.
struct OrderDecision {
    DateOrder order = DateOrder::Unknown;
    int bad = -1;
    int mixed = -1;
};
OrderDecision DecideDateOrder(std::span<const DateParts> parts);
// The date of `parts` read in `order`, or 0.
DayDate DateInOrder(const DateParts& parts, DateOrder order);

// The key under which bank texts are compared with the register's names:
// letter case folded and every blank left out.
std::string NameKey(std::string_view name);
// The key of a column title: letter case folded, accents, blanks and
// punctuation left out ("Date d'opération" gives "datedoperation").
std::string TitleKey(std::string_view title);

// The text without blanks at either end, runs of blanks inside made one.
std::string Tidy(std::string_view text);
// A text cut to a length that reads well in a message.
std::string Excerpt(std::string_view text);
// The line (from 1) of the byte at `offset` of `text`.
int LineAt(std::string_view text, std::size_t offset);
// The lines of a text, for many questions about one text: LineAt in
// logarithmic time.
class LineIndex {
public:
    explicit LineIndex(std::string_view text);
    int LineAt(std::size_t offset) const;

private:
    std::vector<std::size_t> m_ends;  // the offset of each '\n'
};
// The last line of `text` that is not blank: where a file cut short ends.
int LastLine(std::string_view text);

}  // namespace belvane::bank
