#include "statements/StatementImport.h"

#include "core/CBelvaneDoc.h"
#include "rules/Balances.h"

#include <algorithm>
#include <cstdlib>

namespace belvane {

StatementImport::StatementImport(const CBelvaneDoc& doc, Statement statement,
                                 const MatchOptions& options)
    : m_doc(doc),
      m_statement(std::move(statement)),
      m_options(options),
      m_matches(MatchStatement(doc.Registre(), m_statement, options)),
      m_ticked(m_matches.size()),
      m_balanceBefore(ComputeBalances(doc, 0, 0, 0).lastStatement) {
    for (std::size_t i = 0; i < m_matches.size(); ++i)
        m_ticked[i] = m_matches[i].outcome != MatchOutcome::Already;
}

void StatementImport::SetTicked(int i, bool ticked) {
    if (m_matches[i].outcome == MatchOutcome::Already)
        return;
    // A match ticked again gives up its line when another match took it meanwhile.
    if (ticked && m_matches[i].outcome == MatchOutcome::Matched) {
        const std::vector<int> free = Candidates(i);
        if (std::find(free.begin(), free.end(), m_matches[i].line) == free.end())
            return;
    }
    m_ticked[i] = ticked;
}

std::vector<int> StatementImport::Candidates(int i) const {
    const StatementEntry& e = Entry(i);
    const CLigneStore& lines = m_doc.Lines();
    std::vector<bool> taken(lines.size());
    for (int k = 0; k < Count(); ++k)
        if (k != i && m_matches[k].line >= 0 &&
            (m_ticked[k] || Outcome(k) == MatchOutcome::Already))
            taken[m_matches[k].line] = true;
    const DayDate reach = m_options.chequeDays * DayDate{86400};
    std::vector<int> out;
    for (int l = 0; l < static_cast<int>(lines.size()); ++l) {
        const CLigne& line = lines[l];
        if (line.m_montant == e.amount && line.m_dateReleve == 0 && !taken[l] &&
            std::abs(Sum{MatchDate(line)} - e.date) <= reach)
            out.push_back(l);
    }
    std::stable_sort(out.begin(), out.end(), [&](int a, int b) {
        return std::abs(Sum{MatchDate(lines[a])} - e.date) <
               std::abs(Sum{MatchDate(lines[b])} - e.date);
    });
    return out;
}

void StatementImport::SetLine(int i, int line) {
    const std::vector<int> free = Candidates(i);
    if (Outcome(i) == MatchOutcome::Matched &&
        std::find(free.begin(), free.end(), line) != free.end())
        m_matches[i].line = line;
}

void StatementImport::SetProposed(int i, const CLigne& line) {
    if (m_matches[i].outcome == MatchOutcome::New)
        m_matches[i].proposed = line;
}

Sum StatementImport::BalanceAfter() const {
    Sum balance = m_balanceBefore;
    for (int i = 0; i < Count(); ++i) {
        if (!m_ticked[i])
            continue;
        balance += Outcome(i) == MatchOutcome::New ? m_matches[i].proposed.m_montant
                                                   : m_doc.GetLine(m_matches[i].line).m_montant;
    }
    return balance;
}

std::optional<Sum> StatementImport::Difference() const {
    if (!m_statement.closingBalance)
        return std::nullopt;
    return *m_statement.closingBalance - BalanceAfter();
}

DayDate StatementImport::DefaultDate(DayDate fallback) const {
    if (m_statement.to != 0)
        return m_statement.to;
    DayDate last = 0;
    for (const StatementEntry& e : m_statement.entries)
        last = std::max(last, e.date);
    return last != 0 ? last : fallback;
}

int StatementImport::TickedCount(MatchOutcome outcome) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += Outcome(i) == outcome && (m_ticked[i] || outcome == MatchOutcome::Already);
    return n;
}

void StatementImport::Apply(CBelvaneDoc& doc, DayDate date) const {
    std::vector<int> stamped;
    std::vector<CLigne> added;
    for (int i = 0; i < Count(); ++i) {
        if (!m_ticked[i])
            continue;
        if (Outcome(i) == MatchOutcome::Matched) {
            stamped.push_back(m_matches[i].line);
        } else {
            CLigne line = m_matches[i].proposed;
            line.m_dateReleve = date;
            added.push_back(std::move(line));
        }
    }
    if (stamped.empty() && added.empty())
        return;
    doc.StampAndAddLines(stamped, date, std::move(added));
}

}  // namespace belvane
