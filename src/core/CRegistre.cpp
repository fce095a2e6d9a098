#include "core/CRegistre.h"

#include "core/Text.h"

#include <algorithm>

namespace belvane {

CRegistre::CRegistre() {
    Reset();
}

void CRegistre::Reset() {
    m_bBackup = false;
    m_largeurs = kDefaultWidths;
    m_colonnes.assign(kDefaultColumns.begin(), kDefaultColumns.end());
    m_police = CPolice::DefaultFixedPitch();
    m_couleurs = kDefaultColors;
    m_banque.clear();
    m_agence.clear();
    m_numeroCompte.clear();
    m_cartes.clear();
    m_titulaires.clear();
    m_annotations.clear();
    m_montantInitial = 0;
    m_lignes.clear();
    m_lignes.shrink_to_fit();
    m_paiements.clear();
    m_mouvements.clear();
    m_rubriques.clear();
    m_beneficiaires.clear();
}

namespace {

template <class T, class Name>
int InsertAfterEqualNames(std::vector<T>& list, T item, Name name) {
    // Linear: the lists are short, and a list read from a file need not be sorted.
    const auto pos = std::find_if(list.begin(), list.end(), [&](const T& other) {
        return text::CompareNoCase(name(other), name(item)) > 0;
    });
    const auto index = pos - list.begin();
    list.insert(pos, std::move(item));
    return static_cast<int>(index);
}

}  // namespace

int CRegistre::AddPaiement(CPaiement paiement) {
    return InsertAfterEqualNames(m_paiements, std::move(paiement),
                                 [](const CPaiement& p) -> const std::string& { return p.m_nom; });
}

int CRegistre::AddMouvement(CMouvementAuto mouvement) {
    return InsertAfterEqualNames(
        m_mouvements, std::move(mouvement),
        [](const CMouvementAuto& m) -> const std::string& { return m.m_titre; });
}

}  // namespace belvane
