#include "rules/MovementEntry.h"

#include "core/CBelvaneDoc.h"
#include "core/Clock.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>

#include <functional>
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

TEST_F(MovementEntryTest, ChecksComeInTheirFixedOrder) {
    using Edit = std::function<void(MovementEntryTexts&)>;
    const EntryStep accept{EntryStep::Accept, EntryField::Title, 0};
    struct Case {
        const char* name;
        Edit edit;
        std::vector<EntryStep> steps;
    };
    const std::vector<Case> cases = {
        {"valid", [](MovementEntryTexts&) {}, {accept}},
        {"title before everything",
         [](MovementEntryTexts& t) { t = MovementEntryTexts(); },
         {{EntryStep::Refuse, EntryField::Title, 10014}}},
        {"empty next date",
         [](MovementEntryTexts& t) { t.nextDate.clear(); },
         {{EntryStep::Refuse, EntryField::NextDate, 10013}}},
        {"next date before months",
         [](MovementEntryTexts& t) {
             t.nextDate = "32.1.09";
             t.months = "0";
         },
         {{EntryStep::Refuse, EntryField::NextDate, 10013}}},
        {"months 0",
         [](MovementEntryTexts& t) { t.months = "0"; },
         {{EntryStep::Refuse, EntryField::Months, 10015}}},
        {"months of letters read 0",
         [](MovementEntryTexts& t) { t.months = "ab"; },
         {{EntryStep::Refuse, EntryField::Months, 10015}}},
        {"months 99", [](MovementEntryTexts& t) { t.months = "99"; }, {accept}},
        {"months 100",
         [](MovementEntryTexts& t) { t.months = "100"; },
         {{EntryStep::Refuse, EntryField::Months, 10015}}},
        {"months before day",
         [](MovementEntryTexts& t) {
             t.months = "";
             t.day = "32";
         },
         {{EntryStep::Refuse, EntryField::Months, 10015}}},
        {"day 0",
         [](MovementEntryTexts& t) { t.day = "0"; },
         {{EntryStep::Refuse, EntryField::Day, 10031}}},
        {"day 32",
         [](MovementEntryTexts& t) { t.day = "32"; },
         {{EntryStep::Refuse, EntryField::Day, 10031}}},
        {"day of letters",
         [](MovementEntryTexts& t) { t.day = "x1"; },
         {{EntryStep::Refuse, EntryField::Day, 10031}}},
        {"day 31", [](MovementEntryTexts& t) { t.day = "31"; }, {accept}},
        {"amount beyond the limit before any question",
         [](MovementEntryTexts& t) {
             t.amount = "21474836,48";
             t.paiement = "Chèque";
         },
         {{EntryStep::Refuse, EntryField::Amount, 10111}}},
        {"unknown names, no validity refresh",
         [](MovementEntryTexts& t) {
             t.amount = "21474836,47";
             t.paiement = "Chèque";
             t.rubrique = "Loisirs";
             t.sousRubrique = "Cinéma";
             t.createBeneficiaire = true;
         },
         {{EntryStep::AskCreate, EntryField::Paiement, 10017},
          {EntryStep::AskCreate, EntryField::Rubrique, 10021},
          {EntryStep::CreateOnExit, EntryField::Beneficiaire, 0},
          accept}},
        {"unknown subcategory of a known category",
         [](MovementEntryTexts& t) { t.sousRubrique = "Garage"; },
         {{EntryStep::AskCreate, EntryField::SousRubrique, 10022}, accept}},
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
    CMouvementAuto m = BuildMovement(doc, t);
    EXPECT_EQ(m.m_prochaineDate, ToDayDate(2009, 1, 10)) << "15.12.08 on day 10";
    EXPECT_EQ(m.m_nbMois, 3);
    EXPECT_EQ(m.m_jour, 10);
    EXPECT_EQ(m.m_montant, -65000) << "a debit";
    EXPECT_EQ(m.m_paiement, "virement") << "names as typed";
    EXPECT_EQ(m.m_rubrique, "MAISON");
    EXPECT_EQ(m.m_observation, "Appartement");

    t.credit = true;
    t.nextDate = "10.4.09";
    t.day = "31";
    m = BuildMovement(doc, t);
    EXPECT_EQ(m.m_prochaineDate, ToDayDate(2009, 4, 30));
    EXPECT_EQ(m.m_montant, 65000);
}

}  // namespace
}  // namespace belvane
