#include "reports/CategoryTotals.h"

#include "core/CBelvaneDoc.h"

#include <unordered_map>

namespace belvane {

std::vector<CategoryTotal> ComputeCategoryTotals(const CBelvaneDoc& doc, DayDate start,
                                                 DayDate end) {
    const int count = doc.GetRubriqueCount();
    std::vector<CategoryTotal> totals(static_cast<std::size_t>(count));
    // Names to indices, exact: each line is found by two look-ups, not by a
    // pass per category.
    std::unordered_map<std::string_view, int> categories;
    std::vector<std::unordered_map<std::string_view, int>> subcategories(totals.size());
    for (int c = count - 1; c >= 0; --c) {  // backwards: the first of equal names wins
        const CRubrique& r = doc.GetRubrique(c);
        CategoryTotal& t = totals[c];
        t.name = r.GetNom();
        t.total = start == 0 ? r.GetMontantInitial() : 0;
        const int subs = r.GetNbSousRubriques();
        t.subNames.resize(static_cast<std::size_t>(subs));
        t.subTotals.resize(static_cast<std::size_t>(subs));
        for (int k = subs - 1; k >= 0; --k) {
            t.subNames[k] = r.GetNomSousRubrique(k);
            t.subTotals[k] = start == 0 ? r.GetMontantInitialSousRubrique(k) : 0;
            subcategories[c][r.GetNomSousRubrique(k)] = k;
        }
        categories[r.GetNom()] = c;
    }
    if (categories.empty())
        return totals;

    for (const CLigne& line : doc.Lines()) {
        if (line.m_dateEmission < start || line.m_dateEmission > end)
            continue;
        const auto c = categories.find(line.m_rubrique);
        if (c == categories.end())
            continue;
        CategoryTotal& t = totals[c->second];
        t.total += line.m_montant;
        const auto& subs = subcategories[c->second];
        if (const auto k = subs.find(line.m_sousRubrique); k != subs.end())
            t.subTotals[k->second] += line.m_montant;
    }
    return totals;
}

std::vector<std::uint32_t> MatchCategoryLines(const CBelvaneDoc& doc, std::string_view category,
                                              std::string_view subcategory, DayDate start,
                                              DayDate end) {
    std::vector<std::uint32_t> indices;
    const CLigneStore& lines = doc.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CLigne& line = lines[i];
        if (line.m_dateEmission >= start && line.m_dateEmission <= end &&
            line.m_rubrique == category &&
            (subcategory.empty() || line.m_sousRubrique == subcategory))
            indices.push_back(static_cast<std::uint32_t>(i));
    }
    return indices;
}

}  // namespace belvane
