#pragma once

#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/CRubrique.h"
#include "core/DayDate.h"

#include <string>
#include <utility>
#include <vector>

// Registers' records in one expression, for tables of cases.
namespace belvane::testutil {

inline DayDate D(int year, int month, int day) {
    return ToDayDate(year, month, day);
}

// A line with the fields of CLigne::Set in their order; the texts left out are empty.
inline CLigne MakeLine(DayDate issue, DayDate statement, DayDate validity, Amount amount,
                       std::string reference = {}, std::string paiement = {},
                       std::string rubrique = {}, std::string sousRubrique = {},
                       std::string beneficiaire = {}, std::string observation = {}) {
    CLigne l;
    l.Set(issue, statement, validity, amount, std::move(reference), std::move(paiement),
          std::move(rubrique), std::move(sousRubrique), std::move(beneficiaire),
          std::move(observation));
    return l;
}

// A category and its subcategories, each with its initial amount.
inline CRubrique MakeRubrique(std::string nom, Amount initial,
                              const std::vector<std::pair<std::string, Amount>>& sous = {}) {
    CRubrique r(std::move(nom), initial);
    for (const auto& [name, amount] : sous)
        r.InsertSousRubrique(r.GetNbSousRubriques(), CSousRubrique(name, amount));
    return r;
}

// A movement due on `next`, every `months` months on `day`.
inline CMouvementAuto MakeMouvement(std::string titre, CivilDate next, int months, int day,
                                    Amount amount = -1000) {
    CMouvementAuto m;
    m.m_titre = std::move(titre);
    m.m_prochaineDate = ToDayDate(next);
    m.m_nbMois = static_cast<std::uint16_t>(months);
    m.m_jour = static_cast<std::uint16_t>(day);
    m.m_montant = amount;
    return m;
}

}  // namespace belvane::testutil
