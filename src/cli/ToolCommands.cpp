#include "cli/ToolCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/Clock.h"
#include "core/DayDate.h"
#include "core/FailureMessage.h"
#include "core/FileIdentity.h"
#include "core/SafeFile.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/Text.h"
#include "maintenance/NewYear.h"
#include "maintenance/PurgeSession.h"
#include "maintenance/RegisterLock.h"
#include "reports/CPrintJob.h"
#include "reports/CategoryTotals.h"
#include "reports/ChartPeriods.h"
#include "reports/PrintPrepare.h"
#include "reports/TextExport.h"
#include "rules/Balances.h"
#include "rules/Generation.h"
#include "statements/StatementImport.h"
#include "statements/StatementReader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string_view>
#include <vector>

namespace belvane {

namespace {

// Keys in the order they are documented, not sorted.
using Json = nlohmann::ordered_json;

constexpr std::string_view kToolName = "belvane-tool";

// A message of the built-in set with its placeholders filled by `args`.
std::string Message(int id, std::initializer_list<std::string_view> args = {}) {
    return FillPlaceholders(CStringTable::Builtin().Get(id), args);
}

// The exit code of `status`; a failure is printed as its message, naming
// `path` as it was given on the command line.
int Report(std::ostream& err, const Status& status, std::string_view path) {
    if (status.ok())
        return kExitOk;
    err << FailureMessage(status, CStringTable::Builtin(), path) << '\n';
    return kExitFailure;
}

int UsageError(std::ostream& err, std::string_view reason) {
    err << kToolName << ": " << reason << '\n';
    PrintUsage(err);
    return kExitUsage;
}

struct CommandLine {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;
    bool help = false;
};

// Splits a command's arguments into positionals and the options of `valued`
// ("--name VALUE" or "--name=VALUE"). "--" ends the options, so that a file
// whose name starts with '-' can still be named. Returns a reason on failure.
std::string Parse(std::span<const std::string> args, std::span<const std::string_view> valued,
                  CommandLine& cl) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            cl.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
            continue;
        }
        const std::size_t eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        bool known = false;
        for (const std::string_view v : valued)
            known = known || name == v;
        if (!known)
            return "unknown option " + name;
        if (eq != std::string::npos)
            cl.options[name] = arg.substr(eq + 1);
        else if (i + 1 < args.size())
            cl.options[name] = args[++i];
        else
            return "option " + name + " needs a value";
    }
    return {};
}

// Parses and checks the number of positionals. Returns -1 when the command is
// to run, else the exit code (usage printed).
int ParseCommand(std::span<const std::string> args, std::string_view command,
                 std::size_t positionals, std::span<const std::string_view> valued, CommandLine& cl,
                 std::ostream& out, std::ostream& err) {
    const std::string reason = Parse(args, valued, cl);
    if (!reason.empty())
        return UsageError(err, reason);
    if (cl.help) {
        PrintUsage(out);
        return kExitOk;
    }
    if (cl.positional.size() != positionals)
        return UsageError(err, std::string(command) + ": wrong number of arguments");
    return -1;
}

// Loads `path` into `doc`, or reports why not on `err`.
bool Load(CBelvaneDoc& doc, const std::string& path, std::ostream& err, LoadResult& result) {
    result = doc.OnOpenDocument(path);
    return Report(err, result.status, path) == kExitOk;
}

Json DateJson(DayDate date) {
    if (date == 0)
        return nullptr;
    const CivilDate d = ToCivil(date);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

Json InfoJson(const CRegistre& reg, const LoadResult& loaded) {
    const CPolice& font = reg.m_police;
    Json j;
    j["format"] = FormatName(loaded.format);
    j["version"] = loaded.version;
    j["backup"] = reg.m_bBackup;
    j["widths"] = reg.m_largeurs;
    j["columns"] = reg.m_colonnes;
    j["font"] = {{"face", font.Face()},           {"height", font.HeightTenths()},
                 {"weight", font.Weight()},       {"italic", font.Italic()},
                 {"underline", font.Underline()}, {"strikeout", font.StrikeOut()},
                 {"charset", font.CharSet()},     {"pitchAndFamily", font.PitchAndFamily()}};
    j["colors"] = reg.m_couleurs;
    j["summary"] = {{"bank", reg.m_banque},          {"branch", reg.m_agence},
                    {"account", reg.m_numeroCompte}, {"cards", reg.m_cartes},
                    {"holders", reg.m_titulaires},   {"annotations", reg.m_annotations}};
    j["initialAmount"] = reg.m_montantInitial;

    Json& lines = j["lines"] = Json::array();
    for (const CLigne& l : reg.m_lignes)
        lines.push_back({{"issue", DateJson(l.m_dateEmission)},
                         {"statement", DateJson(l.m_dateReleve)},
                         {"validity", DateJson(l.m_dateValidite)},
                         {"amount", l.m_montant},
                         {"reference", l.m_reference},
                         {"payment", l.m_paiement},
                         {"category", l.m_rubrique},
                         {"subcategory", l.m_sousRubrique},
                         {"payee", l.m_beneficiaire},
                         {"observation", l.m_observation}});

    Json& methods = j["paymentMethods"] = Json::array();
    for (const CPaiement& p : reg.m_paiements)
        methods.push_back({{"name", p.m_nom},
                           {"method", p.m_methode},
                           {"param1", p.m_donnee1},
                           {"param2", p.m_donnee2}});

    Json& movements = j["movements"] = Json::array();
    for (const CMouvementAuto& m : reg.m_mouvements)
        movements.push_back({{"title", m.m_titre},
                             {"next", DateJson(m.m_prochaineDate)},
                             {"months", m.m_nbMois},
                             {"day", m.m_jour},
                             {"payment", m.m_paiement},
                             {"amount", m.m_montant},
                             {"category", m.m_rubrique},
                             {"subcategory", m.m_sousRubrique},
                             {"payee", m.m_beneficiaire},
                             {"observation", m.m_observation}});

    Json& categories = j["categories"] = Json::array();
    for (const CRubrique& r : reg.m_rubriques) {
        Json subs = Json::array();
        for (const CSousRubrique& s : r.m_sousRubriques)
            subs.push_back({{"name", s.m_nom}, {"initialAmount", s.m_montantInitial}});
        categories.push_back(
            {{"name", r.m_nom}, {"initialAmount", r.m_montantInitial}, {"subcategories", subs}});
    }

    Json& payees = j["payees"] = Json::array();
    for (const CBeneficiaire& b : reg.m_beneficiaires)
        payees.push_back({{"name", b.m_nom}, {"phone", b.m_telephone}, {"address", b.m_adresse}});
    return j;
}

// A date option: written whole YYYY-MM-DD, read as the window reads a date
// (1990 to 2035); 0 when the text is not one.
DayDate ParseIsoDate(std::string_view text) {
    return ParseWholeDate(text, "%Y-%m-%d");
}

// Reads the date options of `valued` found on the command line into `dates`
// (left as they are when absent). Returns a reason when one is not a date.
std::string ReadDates(const CommandLine& cl, std::string_view command,
                      std::span<const std::string_view> valued, std::span<DayDate> dates) {
    for (std::size_t i = 0; i < valued.size(); ++i) {
        const auto it = cl.options.find(valued[i]);
        if (it == cl.options.end())
            continue;
        dates[i] = ParseIsoDate(it->second);
        if (dates[i] == 0)
            return std::string(command) + ": " + std::string(valued[i]) + " needs a date " +
                   "YYYY-MM-DD, not \"" + it->second + "\"";
    }
    return {};
}

// Takes the lock of the register at `path` for a write; false, with a message
// naming who has it open, when another window or program holds it.
bool LockForWriting(RegisterLock& lock, const std::string& path, std::ostream& err) {
    LockReading holder;
    if (lock.Acquire(NormalPath(path), &holder))
        return true;
    char since[64] = "?";
    const std::tm* local = std::localtime(&holder.since);
    const std::string format = CStringTable::Builtin().Get(ids::kDateFormatDefault) + " %H:%M";
    if (local)
        std::strftime(since, sizeof since, format.c_str(), local);
    err << path << " : "
        << Message(ids::kMsgRegisterOpen,
                   {holder.user, holder.info ? holder.info->host : "?", since})
        << '\n';
    return false;
}

int Save(CBelvaneDoc& doc, const std::string& path, std::ostream& err) {
    RegisterLock lock;
    if (!LockForWriting(lock, path, err))
        return kExitFailure;
    return Report(err, doc.OnSaveDocument(path), path);
}

}  // namespace

void PrintUsage(std::ostream& os) {
    const CStringTable& s = CStringTable::Builtin();
    os << "Usage: " << kToolName << " COMMAND ARGUMENTS\n"
       << "  info FILE        print the register FILE as JSON\n"
       << "  convert IN OUT   write the register IN to OUT in the current format\n"
       << "  new OUT          write a new, empty register to OUT\n"
       << "  export FILE OUT [--date-format FMT] [--decimal SYMBOL]\n"
       << "                   write the lines of FILE to OUT as tab-separated text\n"
       << "                   (defaults: FMT \"" << s.Get(ids::kDateFormatDefault)
       << "\", SYMBOL \"" << s.Get(ids::kDecimalSymbolDefault) << "\")\n"
       << "  balances FILE [--from DATE] [--to DATE] [--today DATE]\n"
       << "                   print the available, real and last statement balances of\n"
       << "                   FILE as JSON, in cents; DATE is YYYY-MM-DD (a day of\n"
       << "                   1990 to 2035), --today defaults to the machine's date\n"
       << "  due FILE [--until DATE] [--today DATE]\n"
       << "                   print as JSON the lines that creating every due recurring\n"
       << "                   movement up to DATE (default: today) would offer, in the\n"
       << "                   order they are offered; FILE is not changed\n"
       << "  print FILE OUT [--from DATE] [--to DATE] [--sorted] [--full-widths]\n"
       << "                 [--fit-width] [--landscape]\n"
       << "                   print the register FILE to the PDF file OUT: the lines\n"
       << "                   issued from DATE to DATE (default: all), grouped by\n"
       << "                   category with --sorted, with the full field widths\n"
       << "                   instead of the screen's with --full-widths, the font made\n"
       << "                   smaller so that every column fits with --fit-width (else\n"
       << "                   the columns that do not fit are left out), on the page\n"
       << "                   of the settings' page setup, turned with --landscape;\n"
       << "                   prints the pages and lines printed as JSON\n"
       << "  purge FILE ARCHIVE --until DATE\n"
       << "                   move every closed line of FILE issued up to DATE into the\n"
       << "                   register ARCHIVE (created when missing); ARCHIVE is saved\n"
       << "                   first, then FILE; prints {\"moved\": N}\n"
       << "  new-year FILE OUT --method 0..5 [--date DATE] [--observation TEXT]\n"
       << "                   write to OUT the new fiscal year made from FILE; methods\n"
       << "                   2 to 5 need the date and the observation of the lines\n"
       << "                   they generate; FILE is not changed\n"
       << "  totals FILE [--from DATE] [--to DATE]\n"
       << "                   print the totals of FILE by category and subcategory as\n"
       << "                   JSON, in cents; initial amounts count without --from\n"
       << "  chart FILE [--period day|week|month|year] [--from DATE] [--to DATE]\n"
       << "        [--category NAME] [--subcategory NAME]\n"
       << "                   print the credits and debits of each period as JSON, in\n"
       << "                   cents (defaults: month, from the first to the last line)\n"
       << "  reconcile FILE STATEMENT [--format ofx|qif|csv|camt] [--date DATE] [--days N]\n"
       << "        [--date-order dmy|mdy] [--apply OUT]\n"
       << "                   match the bank's statement file with the register and print\n"
       << "                   each operation's outcome as JSON: the statement date is DATE\n"
       << "                   (default: the end of the statement), N the days between the\n"
       << "                   bank's date and a validity date (default 7); --date-order\n"
       << "                   reads QIF dates whose order the file does not tell; --apply\n"
       << "                   writes to OUT the register with the matches stamped and the\n"
       << "                   new lines added (OUT may be FILE)\n"
       << "Exit status: 0 done, 1 a file could not be read or written, 2 usage error.\n";
}

int CommandInfo(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    CommandLine cl;
    if (const int rc = ParseCommand(args, "info", 1, {}, cl, out, err); rc >= 0)
        return rc;
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    // A stray invalid byte in a text must not abort the dump.
    out << InfoJson(doc.Registre(), loaded)
               .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << '\n';
    return kExitOk;
}

int CommandConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    CommandLine cl;
    if (const int rc = ParseCommand(args, "convert", 2, {}, cl, out, err); rc >= 0)
        return rc;
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    return Save(doc, cl.positional[1], err);
}

int CommandNew(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    CommandLine cl;
    if (const int rc = ParseCommand(args, "new", 1, {}, cl, out, err); rc >= 0)
        return rc;
    CBelvaneDoc doc;
    return Save(doc, cl.positional[0], err);
}

int CommandExport(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kDateFormat = "--date-format";
    static constexpr std::string_view kDecimal = "--decimal";
    static constexpr std::string_view kValued[] = {kDateFormat, kDecimal};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "export", 2, kValued, cl, out, err); rc >= 0)
        return rc;
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;

    // Without a settings store the document starts with the built-in defaults.
    auto option = [&](std::string_view name, const std::string& fallback) {
        const auto it = cl.options.find(name);
        return it != cl.options.end() ? it->second : fallback;
    };
    doc.SetFormatSettings(option(kDateFormat, doc.Format().GetDateFormat()),
                          option(kDecimal, doc.Format().GetDecimalSymbol()));

    const std::string& path = cl.positional[1];
    return Report(err, ExportTextFile(doc, path), path);
}

int CommandBalances(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kFrom = "--from";
    static constexpr std::string_view kTo = "--to";
    static constexpr std::string_view kToday = "--today";
    static constexpr std::string_view kValued[] = {kFrom, kTo, kToday};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "balances", 1, kValued, cl, out, err); rc >= 0)
        return rc;
    DayDate dates[] = {0, 0, ToDayDate(Clock::System().Today())};
    if (const std::string reason = ReadDates(cl, "balances", kValued, dates); !reason.empty())
        return UsageError(err, reason);
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    const Balances b = ComputeBalances(doc, dates[0], dates[1], dates[2]);
    out << Json{{"available", b.available}, {"real", b.real}, {"lastStatement", b.lastStatement}}
               .dump()
        << '\n';
    return kExitOk;
}

int CommandDue(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kValued[] = {"--until", "--today"};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "due", 1, kValued, cl, out, err); rc >= 0)
        return rc;
    DayDate dates[] = {0, ToDayDate(Clock::System().Today())};
    if (const std::string reason = ReadDates(cl, "due", kValued, dates); !reason.empty())
        return UsageError(err, reason);
    const DayDate until = dates[0] != 0 ? dates[0] : dates[1];
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    // What generation would offer if every line were created; the register in
    // memory takes the lines, the file is left alone.
    Json offers = Json::array();
    GenerateLines(doc, until, [&](int i, CLigne& line) {
        offers.push_back({{"movement", doc.GetMouvement(i).GetTitre()},
                          {"date", DateJson(line.m_dateEmission)},
                          {"amount", line.m_montant},
                          {"payment", line.m_paiement},
                          {"category", line.m_rubrique},
                          {"subcategory", line.m_sousRubrique},
                          {"payee", line.m_beneficiaire},
                          {"observation", line.m_observation}});
        return OfferAnswer::Create;
    });
    out << offers.dump() << '\n';
    return kExitOk;
}

int CommandPrint(std::span<const std::string> args, std::ostream& out, std::ostream& err,
                 PdfPrinter printer) {
    static constexpr std::string_view kFrom = "--from";
    static constexpr std::string_view kTo = "--to";
    static constexpr std::string_view kValued[] = {kFrom, kTo};
    static constexpr std::string_view kSorted = "--sorted";
    static constexpr std::string_view kFullWidths = "--full-widths";
    static constexpr std::string_view kFitWidth = "--fit-width";
    static constexpr std::string_view kLandscape = "--landscape";
    // The switches take no value: taken out before the common parsing.
    std::vector<std::string> rest;
    bool sorted = false, fullWidths = false, fitWidth = false, landscape = false;
    for (const std::string& a : args) {
        if (a == kSorted)
            sorted = true;
        else if (a == kFullWidths)
            fullWidths = true;
        else if (a == kFitWidth)
            fitWidth = true;
        else if (a == kLandscape)
            landscape = true;
        else
            rest.push_back(a);
    }
    CommandLine cl;
    if (const int rc = ParseCommand(rest, "print", 2, kValued, cl, out, err); rc >= 0)
        return rc;
    if (printer == nullptr) {
        err << kToolName << ": print: this build has no printing\n";
        return kExitFailure;
    }
    DayDate dates[2] = {};
    if (const std::string reason = ReadDates(cl, "print", kValued, dates); !reason.empty())
        return UsageError(err, reason);
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;

    // As the print dialog does: the first and last issue dates unless given.
    PrintOptions options;
    options.sorted = sorted;
    options.screenWidths = !fullWidths;
    options.fitWidth = fitWidth;
    PreparePrintOptions(doc, PrintKind::RegisterLines, options);
    const bool fromTo = dates[0] != 0 || dates[1] != 0;
    if (dates[0] != 0)
        options.from = dates[0];
    if (dates[1] != 0)
        options.to = dates[1];
    const LineRange range = SelectPrintRange(doc, fromTo, options);
    CPrintJob job = CPrintJob::RegisterLines(doc, options, range);

    const std::string& path = cl.positional[1];
    if (const int rc = Report(err, printer(job, landscape, path), path); rc != kExitOk)
        return rc;
    Json j;
    j["pages"] = job.PageCount();
    j["lines"] = job.MappedCount();
    j["from"] = DateJson(options.from);
    j["to"] = DateJson(options.to);
    out << j.dump(2) << '\n';
    return kExitOk;
}

int CommandPurge(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kValued[] = {"--until"};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "purge", 2, kValued, cl, out, err); rc >= 0)
        return rc;
    const auto until = cl.options.find(kValued[0]);
    if (until == cl.options.end())
        return UsageError(err, "purge: --until DATE is required");
    const DayDate limit = ParseIsoDate(until->second);
    if (limit == 0)
        return UsageError(err,
                          "purge: --until needs a date YYYY-MM-DD, not \"" + until->second + "\"");
    const std::string& file = cl.positional[0];
    const std::string& archive = cl.positional[1];
    RegisterLock fileLock, archiveLock;
    if (!LockForWriting(fileLock, file, err) ||
        (!SameFile(file, archive) && !LockForWriting(archiveLock, archive, err)))
        return kExitFailure;
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, file, err, loaded))
        return kExitFailure;
    const PurgeOutcome outcome = PurgeAndSave(doc, archive, limit);
    using End = PurgeOutcome::End;
    switch (outcome.end) {
        case End::Done:
            out << Json{{"moved", outcome.moved}}.dump() << '\n';
            return kExitOk;
        case End::SameFile:
            err << Message(ids::kMsgPurgeSameFile) << '\n';
            return kExitFailure;
        case End::Overflow:
            err << Message(ids::kMsgCarryOverflow) << '\n';
            return kExitFailure;
        case End::ArchiveUnreadable:
        case End::ArchiveNotSaved:
            return Report(err, outcome.status, archive);
        case End::Untitled:
        case End::RegisterNotSaved:
            break;
    }
    return Report(err, outcome.status, file);
}

int CommandNewYear(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kMethod = "--method";
    static constexpr std::string_view kDate = "--date";
    static constexpr std::string_view kObservation = "--observation";
    static constexpr std::string_view kValued[] = {kMethod, kDate, kObservation};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "new-year", 2, kValued, cl, out, err); rc >= 0)
        return rc;
    const auto option = [&](std::string_view name) {
        const auto it = cl.options.find(name);
        return it != cl.options.end() ? it->second : std::string();
    };
    const std::string methodText = option(kMethod);
    if (methodText.size() != 1 || methodText[0] < '0' || methodText[0] >= '0' + kNewYearMethodCount)
        return UsageError(err, "new-year: --method needs a number from 0 to 5");
    const int method = methodText[0] - '0';
    const std::string dateText = option(kDate);
    const DayDate date = dateText.empty() ? 0 : ParseIsoDate(dateText);
    if (!dateText.empty() && date == 0)
        return UsageError(err,
                          "new-year: --date needs a date YYYY-MM-DD, not \"" + dateText + "\"");
    const std::string observation = option(kObservation);
    if (NeedsDateAndObservation(method) && (date == 0 || observation.empty()))
        return UsageError(err, "new-year: methods 2 to 5 need --date and --observation");
    const std::string& file = cl.positional[0];
    const std::string& target = cl.positional[1];
    if (SameFile(file, target))
        return UsageError(err, "new-year: OUT must be another file than FILE");
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, file, err, loaded))
        return kExitFailure;
    if (!StartNewYear(doc, method, date, observation)) {
        err << Message(ids::kMsgCarryOverflow) << '\n';
        return kExitFailure;
    }
    if (const int rc = Save(doc, target, err); rc != kExitOk)
        return rc;
    out << Json{{"lines", doc.GetLineCount()}, {"initialAmount", doc.GetMontantInitial()}}.dump()
        << '\n';
    return kExitOk;
}

int CommandTotals(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kValued[] = {"--from", "--to"};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "totals", 1, kValued, cl, out, err); rc >= 0)
        return rc;
    DayDate dates[] = {0, kOpenEndDate};
    if (const std::string reason = ReadDates(cl, "totals", kValued, dates); !reason.empty())
        return UsageError(err, reason);
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    Json totals = Json::array();
    for (const CategoryTotal& t : ComputeCategoryTotals(doc, dates[0], dates[1])) {
        Json subs = Json::array();
        for (std::size_t k = 0; k < t.subNames.size(); ++k)
            subs.push_back({{"name", t.subNames[k]}, {"total", t.subTotals[k]}});
        totals.push_back({{"name", t.name}, {"total", t.total}, {"subcategories", subs}});
    }
    out << totals.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return kExitOk;
}

int CommandChart(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kDates[] = {"--from", "--to"};
    static constexpr std::string_view kValued[] = {"--from", "--to", "--period", "--category",
                                                   "--subcategory"};
    static constexpr std::string_view kPeriods[] = {"day", "week", "month", "year"};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "chart", 1, kValued, cl, out, err); rc >= 0)
        return rc;
    DayDate dates[] = {0, 0};
    if (const std::string reason = ReadDates(cl, "chart", kDates, dates); !reason.empty())
        return UsageError(err, reason);
    PeriodKind kind = PeriodKind::Month;
    if (const auto it = cl.options.find("--period"); it != cl.options.end()) {
        const auto* found = std::find(std::begin(kPeriods), std::end(kPeriods), it->second);
        if (found == std::end(kPeriods))
            return UsageError(
                err, "chart: --period is day, week, month or year, not \"" + it->second + "\"");
        kind = static_cast<PeriodKind>(found - std::begin(kPeriods));
    }
    ChartFilter filter;
    if (const auto it = cl.options.find("--category"); it != cl.options.end())
        filter.category = it->second;
    if (const auto it = cl.options.find("--subcategory"); it != cl.options.end())
        filter.subcategory = it->second;
    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    // Like the charts window: the first and the last line's dates by default.
    DayDate first = 0, last = 0;
    DefaultChartRange(doc, first, last);
    const DayDate from = dates[0] != 0 ? dates[0] : first;
    const DayDate to = dates[1] != 0 ? dates[1] : last;
    Json periods = Json::array();
    if (from != 0 && to != 0) {
        for (const PeriodTotal& p : ComputeChart(doc, from, to, kind, filter).periods)
            periods.push_back({{"label", p.label},
                               {"start", DateJson(p.start)},
                               {"end", DateJson(p.end)},
                               {"credits", p.credits},
                               {"debits", p.debits}});
    }
    out << periods.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return kExitOk;
}

int CommandReconcile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kDate = "--date";
    static constexpr std::string_view kValued[] = {"--format", kDate, "--days", "--date-order",
                                                   "--apply"};
    CommandLine cl;
    if (const int rc = ParseCommand(args, "reconcile", 2, kValued, cl, out, err); rc >= 0)
        return rc;
    const auto option = [&](std::string_view name) -> const std::string* {
        const auto it = cl.options.find(name);
        return it != cl.options.end() ? &it->second : nullptr;
    };
    ReadOptions read;
    if (const std::string* f = option("--format")) {
        read.format = FormatFromKey(*f);
        if (!read.format)
            return UsageError(err,
                              "reconcile: --format is ofx, qif, csv or camt, not \"" + *f + "\"");
    }
    if (const std::string* o = option("--date-order")) {
        if (*o != "dmy" && *o != "mdy")
            return UsageError(err, "reconcile: --date-order is dmy or mdy, not \"" + *o + "\"");
        read.dateOrder = *o == "dmy" ? DateOrder::DayFirst : DateOrder::MonthFirst;
    }
    MatchOptions match;
    if (const std::string* d = option("--days")) {
        const std::optional<int> days = text::ToInt(*d);
        if (!days || *days < 0 || *days > 366)
            return UsageError(err, "reconcile: --days needs a number of days from 0 to 366");
        match.days = *days;
    }
    DayDate dates[] = {0};
    if (const std::string reason = ReadDates(cl, "reconcile", {&kDate, 1}, dates); !reason.empty())
        return UsageError(err, reason);

    CBelvaneDoc doc;
    LoadResult loaded;
    if (!Load(doc, cl.positional[0], err, loaded))
        return kExitFailure;
    const std::string& path = cl.positional[1];
    ByteBuffer bytes;
    if (const int rc = Report(err, ReadWholeFile(path, bytes), path); rc != kExitOk)
        return rc;
    Statement statement;
    const StatementProblem problem =
        ReadStatement({reinterpret_cast<const char*>(bytes.data()), bytes.size()}, statement, read);
    if (problem) {
        err << ProblemMessage(problem, path, CStringTable::Builtin()) << '\n';
        return kExitFailure;
    }

    const StatementImport import(doc, std::move(statement), match);
    const Statement& s = import.GetStatement();
    const DayDate date =
        dates[0] != 0 ? dates[0] : import.DefaultDate(ToDayDate(Clock::System().Today()));
    static constexpr const char* kOutcomes[] = {"matched", "already", "new"};
    Json entries = Json::array();
    for (int i = 0; i < import.Count(); ++i) {
        const StatementEntry& e = import.Entry(i);
        Json j = {{"entry", i},
                  {"date", DateJson(e.date)},
                  {"amount", e.amount},
                  {"name", e.name},
                  {"outcome", kOutcomes[static_cast<int>(import.Outcome(i))]},
                  {"line", import.Line(i) >= 0 ? Json(import.Line(i)) : Json(nullptr)}};
        if (import.Outcome(i) == MatchOutcome::New) {
            const CLigne& l = import.Proposed(i);
            j["proposed"] = {{"issue", DateJson(l.m_dateEmission)},
                             {"validity", DateJson(l.m_dateValidite)},
                             {"amount", l.m_montant},
                             {"reference", l.m_reference},
                             {"payee", l.m_beneficiaire},
                             {"payment", l.m_paiement},
                             {"category", l.m_rubrique},
                             {"subcategory", l.m_sousRubrique},
                             {"observation", l.m_observation}};
        }
        entries.push_back(std::move(j));
    }
    Json j;
    j["format"] = FormatKey(s.format);
    j["statement_date"] = DateJson(date);
    j["statement"] = {
        {"entries", s.entries.size()},
        {"from", DateJson(s.from)},
        {"to", DateJson(s.to)},
        {"closing_balance", s.closingBalance ? Json(*s.closingBalance) : Json(nullptr)}};
    j["entries"] = std::move(entries);
    j["balance_after"] = import.BalanceAfter();
    if (const std::string* target = option("--apply")) {
        import.Apply(doc, date);
        if (const int rc = Save(doc, *target, err); rc != kExitOk)
            return rc;
    }
    out << j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    return kExitOk;
}

int RunTool(std::span<const std::string> args, std::ostream& out, std::ostream& err,
            PdfPrinter printer) {
    if (args.empty())
        return UsageError(err, "no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        PrintUsage(out);
        return kExitOk;
    }
    using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);
    static const std::map<std::string_view, Command> kCommands = {
        {"info", CommandInfo},     {"convert", CommandConvert},     {"new", CommandNew},
        {"export", CommandExport}, {"balances", CommandBalances},   {"due", CommandDue},
        {"purge", CommandPurge},   {"new-year", CommandNewYear},    {"totals", CommandTotals},
        {"chart", CommandChart},   {"reconcile", CommandReconcile},
    };
    if (command == "print")
        return CommandPrint(args.subspan(1), out, err, printer);
    const auto it = kCommands.find(command);
    if (it == kCommands.end())
        return UsageError(err, "unknown command " + command);
    return it->second(args.subspan(1), out, err);
}

}  // namespace belvane
