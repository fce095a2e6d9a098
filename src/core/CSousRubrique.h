#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>

namespace belvane {

class CArchiveReader;
class CArchiveWriter;

// A subcategory; its name is unique within its category only.
class CSousRubrique {
public:
    CSousRubrique() = default;
    CSousRubrique(std::string nom, Amount montantInitial)
        : m_nom(std::move(nom)), m_montantInitial(montantInitial) {}

    void Set(std::string nom, Amount montantInitial) {
        m_nom = std::move(nom);
        m_montantInitial = montantInitial;
    }
    void SetTravail(std::int32_t travail) { m_travail = travail; }

    void Serialize(CArchiveReader& ar);
    void Serialize(CArchiveWriter& ar) const;

    // Saved fields only: the working value does not make two subcategories differ.
    friend bool operator==(const CSousRubrique& a, const CSousRubrique& b) {
        return a.m_nom == b.m_nom && a.m_montantInitial == b.m_montantInitial;
    }

    std::string m_nom;
    Amount m_montantInitial = 0;
    std::int32_t m_travail = 0;  // running total or temporary number, never saved
};

}  // namespace belvane
