#include "maintenance/CategoryLookup.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"

namespace belvane {

int CategoryLookup::FindRubrique(std::string_view nom) {
    const auto it = m_rubriques.find(nom);
    if (it != m_rubriques.end())
        return it->second;
    const int found = m_doc.FindRubrique(nom);
    m_rubriques.emplace(std::string(nom), found);
    return found;
}

CategoryLookup::Match CategoryLookup::Find(std::string_view rubrique,
                                           std::string_view sousRubrique) {
    Match m;
    m.rubrique = FindRubrique(rubrique);
    if (m.rubrique < 0)
        return m;
    if (m_sousRubriques.size() < static_cast<std::size_t>(m_doc.GetRubriqueCount()))
        m_sousRubriques.resize(m_doc.GetRubriqueCount());
    auto& subs = m_sousRubriques[m.rubrique];
    const auto it = subs.find(sousRubrique);
    if (it != subs.end()) {
        m.sousRubrique = it->second;
        return m;
    }
    const CRubrique& r = m_doc.GetRubrique(m.rubrique);
    m.sousRubrique = r.FindSousRubrique(sousRubrique);
    subs.emplace(std::string(sousRubrique), m.sousRubrique);
    return m;
}

CategoryLookup::Match CategoryLookup::Find(const CLigne& line) {
    return Find(line.m_rubrique, line.m_sousRubrique);
}

}  // namespace belvane
