#pragma once

#include "core/CLigne.h"
#include "core/Types.h"
#include "rules/NameChecks.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The field logic of the line entry dialog, free of any widget: the validity
// date that follows the issue date, the forcing test, the observation
// completion and the checks made when the line is accepted.
namespace belvane {

class CBelvaneDoc;

// --- validity date -----------------------------------------------------------

// The validity date computed from the texts of the issue date and payment
// method fields and the sign chosen; 0 when the issue date does not read.
DayDate ComputedValidity(const CBelvaneDoc& doc, std::string_view issueText,
                         std::string_view paiementText, bool credit);

// Tested on every change of the validity text while "Forcer" is not ticked:
// true when the date read there (0 when it does not read) differs from the
// computed one, which means the user now forces the validity date.
bool ValidityIsForced(const CBelvaneDoc& doc, std::string_view issueText,
                      std::string_view paiementText, bool credit, std::string_view validityText);

// A line opened for correction shows "Forcer" ticked when its stored validity
// date is not the one its payment method gives.
bool LineHasForcedValidity(const CBelvaneDoc& doc, const CLigne& line);

// --- payee ---------------------------------------------------------------------

// "Créer en sortie" is offered for a payee name that is not empty and names no
// payee of the document (letter case ignored).
bool PayeeCanBeCreated(const CBelvaneDoc& doc, std::string_view name);

// --- observation completion ----------------------------------------------------

// How many of the last lines the completion looks at.
inline constexpr int kCompletionLines = 3001;

// Searches the last kCompletionLines lines, newest first, for an observation
// that starts with `typed` (letter case ignored) and is at least as long. Returns
// what follows the typed part in that observation (possibly empty), or nothing.
std::optional<std::string> FindObservationCompletion(const CBelvaneDoc& doc,
                                                     std::string_view typed);

// The completion of the observation field, keystroke by keystroke. It remembers
// how long the text was at its last step, so that deleting characters never
// completes again.
class ObservationCompleter {
public:
    // A new opening of the dialog.
    void Reset() { m_length = 0; }

    // Called with the field's text after each change. Returns the part to
    // append (to be shown selected) when the text is completed.
    std::optional<std::string> OnChange(const CBelvaneDoc& doc, std::string_view text);

private:
    std::size_t m_length = 0;  // in characters
};

// --- accepting the line --------------------------------------------------------

// The texts of the dialog's fields, as they stand when the line is accepted.
struct LineEntryTexts {
    std::string issue;
    std::string statement;
    std::string amount;
    bool credit = false;
    std::string paiement;
    std::string reference;
    std::string validity;
    std::string rubrique;
    std::string sousRubrique;
    std::string beneficiaire;
    bool createBeneficiaire = false;
    std::string observation;
};

// The checks of "OK" and "Créer ligne", in their fixed order: the issue date,
// a statement date typed that does not read, the amount (refused when it does
// not read or goes beyond kMaxAmount), a validity date typed that does not
// read, all before any question could create a record; then the creation of
// unknown names (NameChecks, with the validity refresh). Each call to Next()
// looks at the document as it is then and gives the next step; the caller
// stops at a refusal or a cancelled question.
class LineEntryChecks {
public:
    LineEntryChecks(const CBelvaneDoc& doc, const LineEntryTexts& texts)
        : m_doc(doc),
          m_texts(texts),
          m_names(doc, texts.paiement, texts.rubrique, texts.sousRubrique, texts.createBeneficiaire,
                  true) {}

    EntryStep Next();

private:
    enum class Stage { IssueDate, StatementDate, Amount, ValidityDate, Names };

    const CBelvaneDoc& m_doc;
    const LineEntryTexts& m_texts;
    NameChecks m_names;
    Stage m_stage = Stage::IssueDate;
};

// The line the texts describe, once the checks passed: the amount with the sign
// typed or chosen; an empty validity date is the computed one, an empty
// statement date none. The names are kept as typed.
CLigne BuildLine(const CBelvaneDoc& doc, const LineEntryTexts& texts);

}  // namespace belvane
