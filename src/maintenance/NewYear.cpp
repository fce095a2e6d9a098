#include "maintenance/NewYear.h"

#include "core/CBelvaneDoc.h"
#include "maintenance/CategoryLookup.h"
#include "maintenance/InitialAmounts.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace belvane {

namespace {

struct Generated {
    std::int64_t amount;
    int rubrique;      // -1: no category
    int sousRubrique;  // -1: no subcategory
};

// What a method makes of the old lines: the new initial amounts and the lines
// to generate, in order. Nothing is changed in the register.
struct Plan {
    InitialAmounts initial;
    std::vector<Generated> lines;

    bool Fits() const {
        return initial.Fits() && std::all_of(lines.begin(), lines.end(), [](const Generated& g) {
                   return FitsAmount(g.amount);
               });
    }
};

Plan MakePlan(const CBelvaneDoc& doc, int method) {
    Plan plan{InitialAmounts::Of(doc), {}};
    if (method == kEraseOnly)
        return plan;
    CategoryLookup lookup(doc);
    // The working totals of the categories and subcategories, all starting at 0.
    InitialAmounts work = InitialAmounts::Zero(doc);
    std::int64_t withoutCategory = 0;
    if (method == kCategoryLinesResetInitial)
        plan.initial = InitialAmounts::Zero(doc);

    for (const CLigne& line : doc.Lines()) {
        const std::int64_t a = line.m_montant;
        const CategoryLookup::Match m = lookup.Find(line);
        switch (method) {
            case kCarryIntoInitial:
                plan.initial.Carry(m, a);
                break;
            case kLinePerCategory:
                if (m.rubrique < 0) {
                    plan.initial.compte += a;
                } else {
                    work.rubriques[m.rubrique] += a;
                    if (m.sousRubrique >= 0)
                        plan.initial.sousRubriques[m.rubrique][m.sousRubrique] += a;
                }
                break;
            case kLinePerSubcategory:
            case kEverythingInLines:
                if (m.rubrique < 0) {
                    (method == kLinePerSubcategory ? plan.initial.compte : withoutCategory) += a;
                } else if (m.sousRubrique >= 0) {
                    work.sousRubriques[m.rubrique][m.sousRubrique] += a;
                } else {
                    work.rubriques[m.rubrique] += a;
                }
                break;
            case kCategoryLinesResetInitial:
                if (m.rubrique >= 0)
                    work.rubriques[m.rubrique] += a;
                break;
            default:
                break;
        }
    }

    if (withoutCategory != 0)
        plan.lines.push_back({withoutCategory, -1, -1});
    const bool bySubcategory = method == kLinePerSubcategory || method == kEverythingInLines;
    for (int i = static_cast<int>(work.rubriques.size()) - 1; i >= 0; --i) {
        if (work.rubriques[i] != 0)
            plan.lines.push_back({work.rubriques[i], i, -1});
        if (!bySubcategory)
            continue;
        for (int j = static_cast<int>(work.sousRubriques[i].size()) - 1; j >= 0; --j)
            if (work.sousRubriques[i][j] != 0)
                plan.lines.push_back({work.sousRubriques[i][j], i, j});
    }
    return plan;
}

}  // namespace

bool NeedsDateAndObservation(int method) {
    return method > kCarryIntoInitial;
}

bool StartNewYear(CBelvaneDoc& doc, int method, DayDate date, const std::string& observation) {
    const Plan plan = MakePlan(doc, method);
    if (!plan.Fits())
        return false;

    // The old lines go; what is generated refers to the lists, which stay.
    doc.TakeLines();
    doc.LeaveStatementMode();
    doc.ClearUndo();
    doc.MakeUntitled();
    plan.initial.ApplyTo(doc);
    for (const Generated& g : plan.lines) {
        CLigne line;
        line.m_dateEmission = line.m_dateReleve = line.m_dateValidite = date;
        line.m_montant = static_cast<Amount>(g.amount);
        if (g.rubrique >= 0) {
            const CRubrique& r = doc.GetRubrique(g.rubrique);
            line.m_rubrique = r.GetNom();
            if (g.sousRubrique >= 0)
                line.m_sousRubrique = r.GetNomSousRubrique(g.sousRubrique);
        }
        line.m_observation = observation;
        doc.AddLine(line);
    }
    return true;
}

}  // namespace belvane
