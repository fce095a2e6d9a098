#pragma once

#include "core/Status.h"

#include <iosfwd>
#include <span>
#include <string>

// The commands of belvane-tool, callable in-process. Each takes the arguments
// that follow its command word, writes its result to `out` and its messages to
// `err`, and returns the process exit code.
namespace belvane {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a file could not be read or written
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

class CPrintJob;

// Writes a print job to a PDF file on the page set up in the user's settings,
// turned to landscape when `landscape` is set. The painting needs Qt, which
// the commands here do not use: the program hands in the function that does it.
using PdfPrinter = Status (*)(CPrintJob& job, bool landscape, const std::string& path);

// The whole command line after the program name: the command word, then its
// arguments. "--help" prints the usage on `out` and succeeds. Without a
// `printer` the print command is refused.
int RunTool(std::span<const std::string> args, std::ostream& out, std::ostream& err,
            PdfPrinter printer = nullptr);

// info FILE: the register as JSON.
int CommandInfo(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// convert IN OUT: any version in, the current format out.
int CommandConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// new OUT: an empty register.
int CommandNew(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// export FILE OUT [--date-format FMT] [--decimal SYMBOL]: the tab-separated text.
int CommandExport(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// balances FILE [--from DATE] [--to DATE] [--today DATE]: the three balances
// as JSON in cents; DATE is YYYY-MM-DD and --today defaults to the machine's date.
int CommandBalances(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// due FILE [--until DATE] [--today DATE]: the occurrences that generation of
// the recurring movements up to DATE (default: today) would offer, as JSON.
int CommandDue(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// print FILE OUT.pdf [--from DATE] [--to DATE] [--sorted] [--full-widths]
// [--fit-width] [--landscape]: the register's print job written to a PDF file
// through `printer`, and what was printed as JSON (pages, lines, dates).
int CommandPrint(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                 PdfPrinter printer);
// purge FILE ARCHIVE --until DATE: every closed line of FILE issued up to DATE
// moves into the register ARCHIVE (created when it does not exist), the archive
// saved first; prints {"moved": N}.
int CommandPurge(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// new-year FILE OUT --method 0..5 [--date DATE] [--observation TEXT]: the new
// fiscal year's register made from FILE, written to OUT; FILE is not changed.
// Methods 2 to 5 need the date and the observation of the generated lines.
int CommandNewYear(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// totals FILE [--from DATE] [--to DATE]: the totals by category and
// subcategory as JSON, in cents.
int CommandTotals(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// chart FILE [--period day|week|month|year] [--from DATE] [--to DATE]
// [--category NAME] [--subcategory NAME]: the periods of a chart with their
// credits and debits as JSON, in cents.
int CommandChart(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// reconcile FILE STATEMENT [--format ofx|qif|csv|camt] [--date DATE] [--days N]
// [--date-order dmy|mdy] [--apply OUT]: the bank's statement file matched with
// the register, as JSON; with --apply the register with the matches stamped and
// the new lines added is written to OUT (which may be FILE).
int CommandReconcile(std::span<const std::string> args, std::ostream& out, std::ostream& err);

void PrintUsage(std::ostream& os);

}  // namespace belvane
