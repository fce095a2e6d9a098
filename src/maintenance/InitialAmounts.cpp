#include "maintenance/InitialAmounts.h"

#include "core/CBelvaneDoc.h"

#include <algorithm>
#include <limits>

namespace belvane {

bool FitsAmount(std::int64_t sum) {
    return sum >= std::numeric_limits<Amount>::min() && sum <= std::numeric_limits<Amount>::max();
}

InitialAmounts InitialAmounts::Zero(const CBelvaneDoc& doc) {
    InitialAmounts a;
    const int n = doc.GetRubriqueCount();
    a.rubriques.assign(n, 0);
    a.sousRubriques.resize(n);
    for (int i = 0; i < n; ++i)
        a.sousRubriques[i].assign(doc.GetRubrique(i).GetNbSousRubriques(), 0);
    return a;
}

InitialAmounts InitialAmounts::Of(const CBelvaneDoc& doc) {
    InitialAmounts a = Zero(doc);
    a.compte = doc.GetMontantInitial();
    for (int i = 0; i < doc.GetRubriqueCount(); ++i) {
        const CRubrique& r = doc.GetRubrique(i);
        a.rubriques[i] = r.GetMontantInitial();
        for (int j = 0; j < r.GetNbSousRubriques(); ++j)
            a.sousRubriques[i][j] = r.GetMontantInitialSousRubrique(j);
    }
    return a;
}

void InitialAmounts::Carry(const CategoryLookup::Match& where, std::int64_t amount) {
    compte += amount;
    if (where.rubrique < 0)
        return;
    rubriques[where.rubrique] += amount;
    if (where.sousRubrique >= 0)
        sousRubriques[where.rubrique][where.sousRubrique] += amount;
}

bool InitialAmounts::Fits() const {
    if (!FitsAmount(compte) || !std::all_of(rubriques.begin(), rubriques.end(), FitsAmount))
        return false;
    return std::all_of(sousRubriques.begin(), sousRubriques.end(), [](const auto& subs) {
        return std::all_of(subs.begin(), subs.end(), FitsAmount);
    });
}

void InitialAmounts::ApplyTo(CBelvaneDoc& doc) const {
    doc.SetMontantInitial(static_cast<Amount>(compte));
    for (std::size_t i = 0; i < rubriques.size(); ++i) {
        doc.SetMontantInitialRubrique(static_cast<int>(i), static_cast<Amount>(rubriques[i]));
        for (std::size_t j = 0; j < sousRubriques[i].size(); ++j)
            doc.SetMontantInitialSousRubrique(static_cast<int>(i), static_cast<int>(j),
                                              static_cast<Amount>(sousRubriques[i][j]));
    }
}

}  // namespace belvane
