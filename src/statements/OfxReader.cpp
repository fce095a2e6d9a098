#include "statements/OfxReader.h"

#include "statements/BankText.h"

#include <libofx/libofx.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace belvane {

namespace {

using Kind = StatementProblem::Kind;

// One operation as the text gives it: where it lies, its day and amount.
struct Block {
    std::size_t begin = 0;  // at its "<STMTTRN>"
    std::size_t end = 0;    // after its "</STMTTRN>"
    int line = 0;
    DayDate date = 0;
    Amount amount = 0;
};

// What the check of the text finds.
struct Scan {
    std::size_t body = 0;  // where the "<OFX>" element starts
    std::vector<Block> blocks;
    DayDate from = 0, to = 0;
    std::optional<Sum> balance;
    std::set<std::string> accounts;
};

bool NameIs(std::string_view name, std::string_view upper) {
    return name.size() == upper.size() &&
           std::equal(name.begin(), name.end(), upper.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

// Walks the tags of the text, counting lines on the way.
class TagWalker {
public:
    explicit TagWalker(std::string_view text) : m_text(text) {}

    // The next tag from the current place; false at the end of the text, or
    // with `cut` set when the text ends inside a tag.
    bool Next(bool& cut) {
        cut = false;
        const std::size_t open = m_text.find('<', m_pos);
        if (open == std::string_view::npos)
            return false;
        Advance(open);
        const std::size_t close = m_text.find('>', open);
        if (close == std::string_view::npos) {
            cut = true;
            return false;
        }
        std::string_view inside = m_text.substr(open + 1, close - open - 1);
        m_closing = !inside.empty() && inside.front() == '/';
        if (m_closing)
            inside.remove_prefix(1);
        const std::size_t blank = inside.find_first_of(" \t\r\n/");
        m_name = inside.substr(0, blank);
        m_begin = open;
        m_pos = close + 1;
        const std::size_t next = m_text.find('<', m_pos);
        m_value =
            m_text.substr(m_pos, (next == std::string_view::npos ? m_text.size() : next) - m_pos);
        return true;
    }

    std::string_view Name() const { return m_name; }
    bool Closing() const { return m_closing; }
    std::string_view Value() const { return m_value; }
    std::size_t Begin() const { return m_begin; }
    std::size_t End() const { return m_pos; }
    int Line() const { return m_line; }

private:
    void Advance(std::size_t to) {
        m_line +=
            static_cast<int>(std::count(m_text.begin() + m_counted, m_text.begin() + to, '\n'));
        m_counted = to;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_counted = 0;
    int m_line = 1;
    std::string_view m_name;
    std::string_view m_value;
    std::size_t m_begin = 0;
    bool m_closing = false;
};

StatementProblem Problem(Kind kind, int line, std::string element = {},
                         std::string_view text = {}) {
    StatementProblem p;
    p.kind = kind;
    p.format = StatementFormat::Ofx;
    p.line = line;
    p.element = std::move(element);
    p.text = bank::Excerpt(text);
    return p;
}

StatementProblem ReadOfxAmount(std::string_view value, int line, const char* element,
                               Amount& amount) {
    const std::string v = bank::Tidy(value);
    const char decimal =
        v.find(',') != std::string::npos && v.find('.') == std::string::npos ? ',' : '.';
    const Kind kind = bank::ReadAmount(v, decimal, amount);
    if (kind != Kind::None)
        return Problem(kind, line, element, v);
    return {};
}

// Checks the text and finds its operations, period, balance and accounts.
StatementProblem ScanText(std::string_view text, Scan& scan) {
    TagWalker walker(text);
    bool opened = false, closed = false, cut = false;
    bool inList = false, inLedger = false, inAccount = false;
    std::optional<Block> open;
    bool haveAmount = false;
    while (!closed && walker.Next(cut)) {
        const std::string_view name = walker.Name();
        const bool closing = walker.Closing();
        const int line = walker.Line();
        if (!opened) {
            if (NameIs(name, "OFX") && !closing) {
                opened = true;
                scan.body = walker.Begin();
            }
            continue;
        }
        if (NameIs(name, "OFX")) {
            closed = closing;
        } else if (NameIs(name, "STMTTRN")) {
            if (closing != open.has_value())
                return Problem(Kind::Syntax, open ? open->line : line, "STMTTRN");
            if (!closing) {
                open = Block{walker.Begin(), 0, line, 0, 0};
                haveAmount = false;
                continue;
            }
            if (open->date == 0)
                return Problem(Kind::Missing, open->line, "DTPOSTED");
            if (!haveAmount)
                return Problem(Kind::Missing, open->line, "TRNAMT");
            open->end = walker.End();
            scan.blocks.push_back(*open);
            open.reset();
        } else if (closing) {
            if (NameIs(name, "BANKTRANLIST") || NameIs(name, "STMTRS") ||
                NameIs(name, "CCSTMTRS")) {
                if (open)
                    return Problem(Kind::Syntax, open->line, "STMTTRN");
                inList = false;
            }
            if (NameIs(name, "LEDGERBAL"))
                inLedger = false;
            if (NameIs(name, "BANKACCTFROM") || NameIs(name, "CCACCTFROM"))
                inAccount = false;
        } else if (open && NameIs(name, "TRNAMT")) {
            if (StatementProblem p = ReadOfxAmount(walker.Value(), line, "TRNAMT", open->amount))
                return p;
            haveAmount = true;
        } else if (open && NameIs(name, "DTPOSTED")) {
            open->date = bank::ReadCompactDate(walker.Value());
            if (open->date == 0)
                return Problem(Kind::BadDate, line, "DTPOSTED", walker.Value());
        } else if (NameIs(name, "BANKTRANLIST")) {
            inList = true;
        } else if (inList && !open && (NameIs(name, "DTSTART") || NameIs(name, "DTEND"))) {
            const DayDate d = bank::ReadCompactDate(walker.Value());
            if (d == 0)
                return Problem(Kind::BadDate, line, std::string(name), walker.Value());
            DayDate& bound = NameIs(name, "DTSTART") ? scan.from : scan.to;
            bound = NameIs(name, "DTSTART") ? (bound == 0 ? d : std::min(bound, d))
                                            : std::max(bound, d);
        } else if (NameIs(name, "LEDGERBAL")) {
            inLedger = true;
        } else if (inLedger && NameIs(name, "BALAMT")) {
            Amount balance = 0;
            if (StatementProblem p = ReadOfxAmount(walker.Value(), line, "BALAMT", balance))
                return p;
            scan.balance = balance;
        } else if (NameIs(name, "BANKACCTFROM") || NameIs(name, "CCACCTFROM")) {
            inAccount = true;
        } else if (inAccount && !open && NameIs(name, "ACCTID")) {
            scan.accounts.insert(bank::Tidy(walker.Value()));
        }
    }
    if (!opened) {
        const bool header = text.find("OFXHEADER") != std::string_view::npos;
        return header ? Problem(Kind::Truncated, bank::LastLine(text))
                      : Problem(Kind::UnknownFormat, 0);
    }
    if (cut || !closed)
        return Problem(Kind::Truncated, bank::LastLine(text));
    if (scan.accounts.size() > 1) {
        std::string list;
        for (const std::string& a : scan.accounts)
            list += (list.empty() ? "" : ", ") + a;
        return Problem(Kind::SeveralAccounts, 0, {}, list);
    }
    return {};
}

// The texts libofx gives of each operation, in the file's order.
struct Texts {
    std::string name, memo, cheque, bankId;
};

int OnTransaction(const OfxTransactionData data, void* context) {
    Texts t;
    if (data.name_valid)
        t.name = data.name;
    if (data.memo_valid)
        t.memo = data.memo;
    if (data.check_number_valid)
        t.cheque = data.check_number;
    if (data.fi_id_valid)
        t.bankId = data.fi_id;
    static_cast<std::vector<Texts>*>(context)->push_back(std::move(t));
    return 0;
}

// A scratch file for libofx, which reads from a path only; removed when done.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view bytes) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "belvane-ofx-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0)
            return;
        m_path = pattern;
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
            if (n <= 0)
                break;
            written += static_cast<std::size_t>(n);
        }
        close(fd);
        m_ok = written == bytes.size();
    }
    ~ScratchFile() {
        if (!m_path.empty())
            std::remove(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    bool Ok() const { return m_ok; }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    bool m_ok = false;
};

// The texts of the operations of `text` that libofx finds.
bool RunLibofx(const std::string& text, std::vector<Texts>& texts) {
    // libofx prints its parser's remarks to the console unless told not to.
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_STATUS_msg = ofx_INFO_msg = 0;
    ofx_WARNING_msg = ofx_ERROR_msg = 0;
    ScratchFile file(text);
    if (!file.Ok())
        return false;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, OnTransaction, &texts);
    libofx_proc_file(context, file.Path().c_str(), OFX);
    libofx_free_context(context);
    return true;
}

// The header libofx needs in front of the body; files that start at "<OFX>"
// get the plain SGML one.
std::string HeaderOf(std::string_view text, std::size_t body) {
    std::string_view header = text.substr(0, body);
    const std::size_t first = header.find_first_not_of(" \t\r\n");
    header.remove_prefix(std::min(first, header.size()));
    if (!header.empty())
        return std::string(header);
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:UTF-8\n"
           "CHARSET:NONE\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n";
}

}  // namespace

StatementProblem CheckOfxText(std::string_view bytes) {
    Scan scan;
    return ScanText(bytes, scan);
}

StatementProblem ReadOfx(std::string_view bytes, Statement& statement,
                         const StatementProgress& progress, int batch) {
    Scan scan;
    if (StatementProblem p = ScanText(bytes, scan))
        return p;
    const std::string header = HeaderOf(bytes, scan.body);
    std::vector<Texts> texts;
    const std::size_t count = scan.blocks.size();
    const std::size_t step = static_cast<std::size_t>(std::max(batch, 1));
    for (std::size_t first = 0; first < count; first += step) {
        // The body with the operations of other batches left out.
        const std::size_t last = std::min(count, first + step);
        std::string chunk = header;
        std::size_t from = scan.body;
        for (std::size_t k = 0; k < count; ++k) {
            if (k >= first && k < last)
                continue;
            // The line ends between two operations left out go with them:
            // libofx's time grows with the lines it reads.
            const std::string_view gap = bytes.substr(from, scan.blocks[k].begin - from);
            if (gap.find_first_not_of(" \t\r\n") != std::string_view::npos)
                chunk.append(gap);
            from = scan.blocks[k].end;
        }
        chunk.append(bytes.substr(from));
        if (!RunLibofx(chunk, texts))
            return Problem(Kind::Syntax, 0);
        if (progress && !progress(static_cast<int>(last), static_cast<int>(count)))
            return Problem(Kind::Cancelled, 0);
    }
    if (texts.size() != count) {
        const int line = texts.size() < count ? scan.blocks[texts.size()].line : 0;
        return Problem(Kind::Syntax, line, "STMTTRN");
    }
    statement = Statement();
    statement.format = StatementFormat::Ofx;
    statement.from = scan.from;
    statement.to = scan.to;
    statement.closingBalance = scan.balance;
    statement.entries.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const Block& b = scan.blocks[k];
        Texts& t = texts[k];
        StatementEntry e;
        e.date = b.date;
        e.amount = b.amount;
        e.name = bank::Tidy(t.name.empty() ? t.memo : t.name);
        e.memo = bank::Tidy(t.memo);
        e.cheque = bank::Tidy(t.cheque);
        e.bankId = bank::Tidy(t.bankId);
        e.line = b.line;
        statement.entries.push_back(std::move(e));
    }
    return {};
}

}  // namespace belvane
