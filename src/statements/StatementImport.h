#pragma once

#include "core/CLigne.h"
#include "statements/Statement.h"
#include "statements/StatementMatch.h"

#include <optional>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// A statement matched against the register, and what the user makes of it
// before it is applied: each match and each new line can be left out, a match
// moved to another line, a new line edited. Applying it is one change of the
// document, which one Undo takes back.
class StatementImport {
public:
    // Matches `statement` against the register of `doc`, which must not change
    // while the import lives.
    StatementImport(const CBelvaneDoc& doc, Statement statement, const MatchOptions& options = {});

    const Statement& GetStatement() const { return m_statement; }
    int Count() const { return static_cast<int>(m_matches.size()); }
    const StatementEntry& Entry(int i) const { return m_statement.entries[i]; }
    MatchOutcome Outcome(int i) const { return m_matches[i].outcome; }
    // The register line of a match (index before the change), or -1.
    int Line(int i) const { return m_matches[i].line; }
    const CLigne& Proposed(int i) const { return m_matches[i].proposed; }

    // Whether the operation's change is made (a stamp, a new line); an
    // operation already stamped has nothing to make and is never ticked.
    bool IsTicked(int i) const { return m_ticked[i]; }
    void SetTicked(int i, bool ticked);

    // The lines a match may be moved to: without a statement date, of the same
    // amount, within the cheque reach of the operation's date, not taken by
    // another ticked match; the closest first. The match's own line included.
    std::vector<int> Candidates(int i) const;
    // Moves a match to one of its candidates (anything else is ignored).
    void SetLine(int i, int line);
    void SetProposed(int i, const CLigne& line);

    // "Solde dernier relevé" as it will be once applied.
    Sum BalanceAfter() const;
    // The statement's closing balance less BalanceAfter, when the file gives one.
    std::optional<Sum> Difference() const;
    // The statement date proposed: the end of the statement's period, else its
    // last operation's date, else `fallback`.
    DayDate DefaultDate(DayDate fallback) const;
    // How many operations of each outcome are ticked (Already: all of them).
    int TickedCount(MatchOutcome outcome) const;

    // Stamps the ticked matches and adds the ticked new lines stamped with
    // `date`, as one change of `doc` (the document matched).
    void Apply(CBelvaneDoc& doc, DayDate date) const;

private:
    const CBelvaneDoc& m_doc;
    Statement m_statement;
    MatchOptions m_options;
    std::vector<EntryMatch> m_matches;
    std::vector<bool> m_ticked;
    Sum m_balanceBefore = 0;
};

}  // namespace belvane
