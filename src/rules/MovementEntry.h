#pragma once

#include "core/CMouvementAuto.h"
#include "rules/NameChecks.h"

#include <string>
#include <string_view>

// The checks of the recurring movement entry dialog and the movement it builds,
// free of any widget.
namespace belvane {

class CBelvaneDoc;

// The texts of the movement entry dialog's fields when "OK" is pressed.
struct MovementEntryTexts {
    std::string titre;
    std::string nextDate;
    std::string months;
    std::string day;
    std::string amount;
    bool credit = false;
    std::string paiement;
    std::string rubrique;
    std::string sousRubrique;
    std::string beneficiaire;
    bool createBeneficiaire = false;
    std::string observation;
};

// The checks of "OK", in their fixed order: the title (not blank), the next
// date, the months (1 to 99), the day (1 to 31), the amount (refused when it
// does not read or goes beyond kMaxAmount), then the
// creation of unknown names as the line entry dialog offers it. Used like
// LineEntryChecks: call Next() until Accept, stopping at a refusal or a
// cancelled question.
class MovementEntryChecks {
public:
    MovementEntryChecks(const CBelvaneDoc& doc, const MovementEntryTexts& texts)
        : m_doc(doc),
          m_texts(texts),
          m_names(doc, texts.paiement, texts.rubrique, texts.sousRubrique, texts.createBeneficiaire,
                  false) {}

    EntryStep Next();

private:
    enum class Stage { Title, NextDate, Months, Day, Amount, Names };

    const CBelvaneDoc& m_doc;
    const MovementEntryTexts& m_texts;
    NameChecks m_names;
    Stage m_stage = Stage::Title;
};

// The movement the texts describe, once the checks passed: the amount with the
// sign typed or chosen, the next date moved to the movement's day (see
// AlignNextDate), the names as typed.
CMouvementAuto BuildMovement(const CBelvaneDoc& doc, const MovementEntryTexts& texts);

}  // namespace belvane
