#pragma once

#include "core/CSousRubrique.h"
#include "core/Text.h"
#include "core/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// A category with its own ordered list of subcategories.
class CRubrique {
public:
    CRubrique() = default;
    CRubrique(std::string nom, Amount montantInitial)
        : m_nom(std::move(nom)), m_montantInitial(montantInitial) {}

    void Set(std::string nom, Amount montantInitial) {
        m_nom = std::move(nom);
        m_montantInitial = montantInitial;
    }
    const std::string& GetNom() const { return m_nom; }
    Amount GetMontantInitial() const { return m_montantInitial; }
    void SetMontantInitial(Amount montant) { m_montantInitial = montant; }
    std::int32_t GetTravail() const { return m_travail; }
    void SetTravail(std::int32_t travail) { m_travail = travail; }

    // Subcategories, by index.
    int GetNbSousRubriques() const { return static_cast<int>(m_sousRubriques.size()); }
    const std::string& GetNomSousRubrique(int i) const { return m_sousRubriques[i].m_nom; }
    Amount GetMontantInitialSousRubrique(int i) const {
        return m_sousRubriques[i].m_montantInitial;
    }
    void InsertSousRubrique(int i, const CSousRubrique& sr);
    void RemoveSousRubrique(int i);
    void SetNbSousRubriques(int n);
    void SetMontantInitialSousRubrique(int i, Amount montant);

    // Index of the subcategory of that name (letter case ignored), or -1 when the
    // name is empty or not found.
    int FindSousRubrique(std::string_view nom) const {
        return text::FindByName(m_sousRubriques, nom);
    }

    void Serialize(CArchiveReader& ar);
    void Serialize(CArchiveWriter& ar) const;

    friend bool operator==(const CRubrique& a, const CRubrique& b) {
        return a.m_nom == b.m_nom && a.m_montantInitial == b.m_montantInitial &&
               a.m_sousRubriques == b.m_sousRubriques;
    }

    std::string m_nom;
    Amount m_montantInitial = 0;
    std::vector<CSousRubrique> m_sousRubriques;
    std::int32_t m_travail = 0;  // running total or temporary number, never saved
};

}  // namespace belvane
