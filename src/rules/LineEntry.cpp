#include "rules/LineEntry.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/Text.h"
#include "rules/ValidityDate.h"

#include <algorithm>

namespace belvane {

namespace {

// A date field that is not empty and does not read.
bool Unreadable(const ValueFormat& format, std::string_view text) {
    return !text.empty() && format.ParseDate(text, true) == 0;
}

bool IsAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The first `chars` characters of `s`, or nothing when `s` is shorter.
std::optional<std::string_view> Head(std::string_view s, std::size_t chars, bool asciiOnly) {
    if (asciiOnly) {
        // Most observations are plain ASCII: a byte is a character.
        if (s.size() < chars)
            return std::nullopt;
        const std::string_view head = s.substr(0, chars);
        if (IsAscii(head))
            return head;
    }
    const std::string_view head = text::Left(s, chars);
    if (text::Length(head) < chars)
        return std::nullopt;
    return head;
}

bool StartsWithNoCase(std::string_view observation, std::string_view typed, std::size_t chars,
                      bool typedAscii) {
    const std::optional<std::string_view> head = Head(observation, chars, typedAscii);
    if (!head)
        return false;
    if (typedAscii && IsAscii(*head)) {
        for (std::size_t i = 0; i < head->size(); ++i) {
            if (LowerAscii((*head)[i]) != LowerAscii(typed[i]))
                return false;
        }
        return true;
    }
    return text::EqualsNoCase(*head, typed);
}

}  // namespace

DayDate ComputedValidity(const CBelvaneDoc& doc, std::string_view issueText,
                         std::string_view paiementText, bool credit) {
    const DayDate issue = doc.Format().ParseDate(issueText, true);
    return issue == 0 ? 0 : ValidityDateFor(doc, issue, paiementText, credit);
}

bool ValidityIsForced(const CBelvaneDoc& doc, std::string_view issueText,
                      std::string_view paiementText, bool credit, std::string_view validityText) {
    return ComputedValidity(doc, issueText, paiementText, credit) !=
           doc.Format().ParseDate(validityText, true);
}

bool LineHasForcedValidity(const CBelvaneDoc& doc, const CLigne& line) {
    return ValidityDateFor(doc, line.m_dateEmission, line.m_paiement, line.IsCredit()) !=
           line.m_dateValidite;
}

bool PayeeCanBeCreated(const CBelvaneDoc& doc, std::string_view name) {
    return !name.empty() && doc.FindBeneficiaire(name) < 0;
}

std::optional<std::string> FindObservationCompletion(const CBelvaneDoc& doc,
                                                     std::string_view typed) {
    const std::size_t chars = text::Length(typed);
    if (chars == 0)
        return std::nullopt;
    const bool typedAscii = IsAscii(typed);
    const CLigneStore& lines = doc.Lines();
    const int last = static_cast<int>(lines.size()) - 1;
    const int first = std::max(0, last - (kCompletionLines - 1));
    for (int i = last; i >= first; --i) {
        const std::string& observation = lines[static_cast<std::size_t>(i)].m_observation;
        if (StartsWithNoCase(observation, typed, chars, typedAscii)) {
            const std::size_t headBytes = text::Left(observation, chars).size();
            return observation.substr(headBytes);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ObservationCompleter::OnChange(const CBelvaneDoc& doc,
                                                          std::string_view text) {
    const std::size_t n = text::Length(text);
    if (n <= m_length) {
        // Empty, or characters deleted: remember where the user is, offer nothing.
        m_length = n;
        return std::nullopt;
    }
    std::optional<std::string> rest = FindObservationCompletion(doc, text);
    if (rest)
        m_length = n;
    return rest;
}

EntryStep LineEntryChecks::Next() {
    const LineEntryTexts& t = m_texts;
    switch (m_stage) {
        case Stage::IssueDate:
            if (m_doc.Format().ParseDate(t.issue, true) == 0)
                return {EntryStep::Refuse, EntryField::IssueDate, ids::kMsgIssueDateInvalid};
            m_stage = Stage::StatementDate;
            [[fallthrough]];
        case Stage::StatementDate:
            if (Unreadable(m_doc.Format(), t.statement))
                return {EntryStep::Refuse, EntryField::StatementDate,
                        ids::kMsgStatementDateInvalid};
            m_stage = Stage::Amount;
            [[fallthrough]];
        case Stage::Amount:
            if (const int refusal = m_doc.Format().ParseAmount(t.amount).Refusal())
                return {EntryStep::Refuse, EntryField::Amount, refusal};
            m_stage = Stage::ValidityDate;
            [[fallthrough]];
        case Stage::ValidityDate:
            if (Unreadable(m_doc.Format(), t.validity))
                return {EntryStep::Refuse, EntryField::ValidityDate, ids::kMsgDateInvalid};
            m_stage = Stage::Names;
            [[fallthrough]];
        case Stage::Names:
            break;
    }
    return m_names.Next();
}

CLigne BuildLine(const CBelvaneDoc& doc, const LineEntryTexts& t) {
    const DayDate issue = doc.Format().ParseDate(t.issue, true);
    const Amount amount = doc.Format().ParseAmount(t.amount).Signed(t.credit);
    DayDate validity = doc.Format().ParseDate(t.validity, true);
    if (validity == 0)
        validity = ValidityDateFor(doc, issue, t.paiement, amount >= 0);
    const DayDate statement = doc.Format().ParseDate(t.statement, true);
    CLigne line;
    line.Set(issue, statement, validity, amount, t.reference, t.paiement, t.rubrique,
             t.sousRubrique, t.beneficiaire, t.observation);
    return line;
}

}  // namespace belvane
