#include "statements/CamtReader.h"

#include "statements/BankText.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <set>

namespace belvane {

namespace {

using Kind = StatementProblem::Kind;

// The local part of an element name ("camt:Ntry" gives "Ntry").
std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view local) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && LocalName(c) == local)
            return c;
    return {};
}

// The element at the end of a path of local names, or an empty node.
pugi::xml_node Path(pugi::xml_node node, std::initializer_list<std::string_view> path) {
    for (std::string_view step : path) {
        node = Child(node, step);
        if (!node)
            break;
    }
    return node;
}

template <class F>
void ForEach(const pugi::xml_node& node, std::string_view local, F f) {
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        if (c.type() == pugi::node_element && LocalName(c) == local)
            f(c);
}

std::string Text(const pugi::xml_node& node) {
    return bank::Tidy(node.child_value());
}

class CamtReader {
public:
    explicit CamtReader(std::string_view bytes) : m_bytes(bytes), m_lines(bytes) {}

    StatementProblem Read(Statement& statement) {
        pugi::xml_document doc;
        const pugi::xml_parse_result parsed = doc.load_buffer(
            m_bytes.data(), m_bytes.size(), pugi::parse_default, pugi::encoding_auto);
        if (!parsed) {
            // A document cut short fails where its text ends.
            const std::size_t end = m_bytes.find_last_not_of(" \t\r\n");
            const auto offset =
                static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0));
            const bool cut = end == std::string_view::npos || offset >= end;
            return Problem(cut ? Kind::Truncated : Kind::Syntax,
                           cut ? bank::LastLine(m_bytes) : bank::LineAt(m_bytes, offset));
        }
        const pugi::xml_node root = doc.document_element();
        const pugi::xml_node report = Child(root, "BkToCstmrStmt");
        if (LocalName(root) != "Document" || !report)
            return Problem(Kind::UnknownFormat, 0);

        Statement out;
        out.format = StatementFormat::Camt;
        std::set<std::string> accounts;
        StatementProblem problem;
        ForEach(report, "Stmt", [&](const pugi::xml_node& stmt) {
            if (!problem)
                problem = ReadStatement(stmt, out, accounts);
        });
        if (problem)
            return problem;
        if (accounts.size() > 1) {
            std::string list;
            for (const std::string& a : accounts)
                list += (list.empty() ? "" : ", ") + a;
            return Problem(Kind::SeveralAccounts, 0, {}, list);
        }
        statement = std::move(out);
        return {};
    }

private:
    StatementProblem Problem(Kind kind, int line, std::string element = {},
                             std::string_view text = {}) const {
        StatementProblem p;
        p.kind = kind;
        p.format = StatementFormat::Camt;
        p.line = line;
        p.element = std::move(element);
        p.text = bank::Excerpt(text);
        return p;
    }

    int LineOf(const pugi::xml_node& node) const {
        return m_lines.LineAt(
            static_cast<std::size_t>(std::max<std::ptrdiff_t>(node.offset_debug(), 0)));
    }

    // A date element holding Dt or DtTm; 0 when absent.
    StatementProblem ReadDate(const pugi::xml_node& holder, std::string_view name,
                              DayDate& date) const {
        const pugi::xml_node node = Child(holder, name);
        if (!node)
            return {};
        pugi::xml_node value = Child(node, "Dt");
        if (!value)
            value = Child(node, "DtTm");
        if (!value)
            value = node;  // FrDtTm, ToDtTm hold their value themselves
        date = bank::ReadIsoDate(Text(value));
        if (date == 0)
            return Problem(Kind::BadDate, LineOf(value), std::string(name), Text(value));
        return {};
    }

    // An amount element with the credit/debit indicator beside it.
    StatementProblem ReadSigned(const pugi::xml_node& holder, Amount& amount) const {
        const pugi::xml_node amt = Child(holder, "Amt");
        if (!amt)
            return Problem(Kind::Missing, LineOf(holder), "Amt");
        if (const Kind k = bank::ReadAmount(Text(amt), '.', amount); k != Kind::None)
            return Problem(k, LineOf(amt), "Amt", Text(amt));
        const pugi::xml_node sign = Child(holder, "CdtDbtInd");
        const std::string indicator = Text(sign);
        if (indicator != "CRDT" && indicator != "DBIT")
            return Problem(sign ? Kind::Syntax : Kind::Missing, LineOf(sign ? sign : holder),
                           "CdtDbtInd", indicator);
        if (indicator == "DBIT")
            amount = -amount;
        return {};
    }

    StatementProblem ReadStatement(const pugi::xml_node& stmt, Statement& out,
                                   std::set<std::string>& accounts) const {
        const pugi::xml_node id = Path(stmt, {"Acct", "Id"});
        std::string account = Text(Child(id, "IBAN"));
        if (account.empty())
            account = Text(Path(id, {"Othr", "Id"}));
        if (!account.empty())
            accounts.insert(account);

        if (const pugi::xml_node period = Child(stmt, "FrToDt")) {
            DayDate from = 0, to = 0;
            if (StatementProblem p = ReadDate(period, "FrDtTm", from))
                return p;
            if (StatementProblem p = ReadDate(period, "ToDtTm", to))
                return p;
            if (from != 0)
                out.from = out.from == 0 ? from : std::min(out.from, from);
            out.to = std::max(out.to, to);
        }
        StatementProblem problem;
        ForEach(stmt, "Bal", [&](const pugi::xml_node& bal) {
            if (problem || Text(Path(bal, {"Tp", "CdOrPrtry", "Cd"})) != "CLBD")
                return;
            Amount balance = 0;
            problem = ReadSigned(bal, balance);
            out.closingBalance = balance;
        });
        ForEach(stmt, "Ntry", [&](const pugi::xml_node& ntry) {
            if (!problem)
                problem = ReadEntry(ntry, out);
        });
        return problem;
    }

    StatementProblem ReadEntry(const pugi::xml_node& ntry, Statement& out) const {
        StatementEntry e;
        e.line = LineOf(ntry);
        if (StatementProblem p = ReadSigned(ntry, e.amount))
            return p;
        if (StatementProblem p = ReadDate(ntry, "ValDt", e.date))
            return p;
        if (e.date == 0) {
            if (StatementProblem p = ReadDate(ntry, "BookgDt", e.date))
                return p;
            if (e.date == 0)
                return Problem(Kind::Missing, e.line, "BookgDt");
        }
        const pugi::xml_node tx = Path(ntry, {"NtryDtls", "TxDtls"});
        // The other party: the creditor of a debit, the debtor of a credit.
        const pugi::xml_node party = Path(tx, {"RltdPties", e.amount < 0 ? "Cdtr" : "Dbtr"});
        e.name = Text(Child(party, "Nm"));
        if (e.name.empty())
            e.name = Text(Path(party, {"Pty", "Nm"}));
        std::string remittance;
        ForEach(Child(tx, "RmtInf"), "Ustrd", [&](const pugi::xml_node& u) {
            remittance += (remittance.empty() ? "" : " ") + Text(u);
        });
        const std::string info = Text(Child(ntry, "AddtlNtryInf"));
        if (e.name.empty())
            e.name = !info.empty() ? info : remittance;
        e.memo =
            remittance.empty() || remittance == e.name ? (info == e.name ? "" : info) : remittance;
        e.cheque = Text(Path(tx, {"Refs", "ChqNb"}));
        e.bankId = Text(Child(ntry, "AcctSvcrRef"));
        if (e.bankId.empty())
            e.bankId = Text(Path(tx, {"Refs", "AcctSvcrRef"}));
        out.entries.push_back(std::move(e));
        return {};
    }

    std::string_view m_bytes;
    bank::LineIndex m_lines;
};

}  // namespace

StatementProblem ReadCamt(std::string_view bytes, Statement& statement) {
    return CamtReader(bytes).Read(statement);
}

}  // namespace belvane
