#include "rules/MovementEntry.h"

#include "core/CBelvaneDoc.h"
#include "core/Clock.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace belvane {
namespace {

class MovementEntryTest : public ::testing::Test {
protected:
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};

    void SetUp() override {
        doc.AddPaiement(CPaiement("Virement", CPaiement::kShiftDays, 0, 0));
        CRubrique maison("Maison", 0);
        maison.InsertSousRubrique(0, CSousRubrique("Loyer", 0));
        doc.InsertRubrique(0, maison);
    }

    // Texts that pass every check without a question.
    static MovementEntryTexts Valid() {
        MovementEntryTexts t;
        t.titre = "Loyer";
        t.nextDate = "15.12.08";
        t.months = "1";
        t.day = "10";
        t.amount = "650";
        t.paiement = "virement";
        t.rubrique = "MAISON";
        t.sousRubrique = "loyer";
        return t;
    }
};

std::vector<EntryStep> Steps(const CBelvaneDoc& doc, const MovementEntryTexts& texts) {
    MovementEntryChecks checks(doc, texts);
    std::vector<EntryStep> steps;
    for (int guard = 0; guard < 10; ++guard) {
        steps.push_back(checks.Next());
        if (steps.back().action == EntryStep::Accept || steps.back().action == EntryStep::Refuse)
            break;
    }
    return steps;
}

using Edit = std::function<void(MovementEntryTexts&)>;

// An edit that types `value` into one field.
Edit Type(std::string MovementEntryTexts::*field, std::string value) {
    return [field, value](MovementEntryTexts& t) { t.*field = value; };
}

EntryStep Refuse(EntryField field, int stringId) {
    return {EntryStep::Refuse, field, stringId};
}

TEST_F(MovementEntryTest, ChecksComeInTheirFixedOrder) {
    using T = MovementEntryTexts;
    using F = EntryField;
    const EntryStep accept{EntryStep::Accept, F::Title, 0};
    struct Case {
        const char* name;
        Edit edit;
        std::vector<EntryStep> steps;
    };
    const std::vector<Case> cases = {
        {"valid", [](T&) {}, {accept}},
        {"title before everything", [](T& t) { t = T(); }, {Refuse(F::Title, 10014)}},
        {"empty next date", Type(&T::nextDate, ""), {Refuse(F::NextDate, 10013)}},
        {"next date before months",
         [](T& t) {
             t.nextDate = "32.1.09";
             t.months = "0";
         },
         {Refuse(F::NextDate, 10013)}},
        {"months 0", Type(&T::months, "0"), {Refuse(F::Months, 10015)}},
        {"months 99", Type(&T::months, "99"), {accept}},
        {"months 100", Type(&T::months, "100"), {Refuse(F::Months, 10015)}},
        {"months before day",
         [](T& t) {
             t.months = "";
             t.day = "32";
         },
         {Refuse(F::Months, 10015)}},
        {"day 0", Type(&T::day, "0"), {Refuse(F::Day, 10031)}},
        {"day 32", Type(&T::day, "32"), {Refuse(F::Day, 10031)}},
        {"day 31", Type(&T::day, "31"), {accept}},
        {"amount beyond the limit before any question",
         [](T& t) {
             t.amount = "21474836,48";
             t.paiement = "Chèque";
         },
         {Refuse(F::Amount, 10111)}},
        {"unknown names, no validity refresh",
         [](T& t) {
             t.amount = "21474836,47";
             t.paiement = "Chèque";
             t.rubrique = "Loisirs";
             t.sousRubrique = "Cinéma";
             t.createBeneficiaire = true;
         },
         {{EntryStep::AskCreate, F::Paiement, 10017},
          {EntryStep::AskCreate, F::Rubrique, 10021},
          {EntryStep::CreateOnExit, F::Beneficiaire, 0},
          accept}},
    };
    for (const Case& c : cases) {
        MovementEntryTexts t = Valid();
        c.edit(t);
        EXPECT_EQ(Steps(doc, t), c.steps) << c.name;
    }
}

TEST_F(MovementEntryTest, BuildMovementAlignsTheNextDateAndSignsTheAmount) {
    MovementEntryTexts t = Valid();
    t.months = "3";
    t.observation = "Appartement";
    const CMouvementAuto m = BuildMovement(doc, t);
    // Aligned by the rule of the generation's table.
    EXPECT_EQ(m.m_prochaineDate, ToDayDate(2009, 1, 10)) << "15.12.08 on day 10";
    EXPECT_EQ(m.m_nbMois, 3);
    EXPECT_EQ(m.m_jour, 10);
    EXPECT_EQ(m.m_montant, -65000) << "a debit";
    EXPECT_EQ(m.m_paiement, "virement") << "names as typed";
    EXPECT_EQ(m.m_rubrique, "MAISON");
    EXPECT_EQ(m.m_observation, "Appartement");

    t.credit = true;
    EXPECT_EQ(BuildMovement(doc, t).m_montant, 65000);
}

}  // namespace
}  // namespace belvane
