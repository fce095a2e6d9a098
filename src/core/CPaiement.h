#pragma once

#include <cstdint>
#include <string>

namespace belvane {

class CArchiveReader;
class CArchiveWriter;

// A payment method (cheque, card, transfer...) with the rule that gives the
// validity date of its lines. Lines and movements name it by m_nom.
class CPaiement {
public:
    // Validation method codes; a code above 4 behaves like kImmediate.
    enum Methode : std::uint16_t {
        kImmediate = 0,      // "Validation immédiate"
        kFixedDay = 1,       // fixed day D each month
        kFixedDayLater = 2,  // fixed day D in the X-th following month
        kSameDayLater = 3,   // same day, X months later
        kShiftDays = 4,      // shift by a number of days (signed parameters)
    };

    CPaiement() = default;
    CPaiement(std::string nom, std::uint16_t methode, std::uint16_t donnee1, std::uint16_t donnee2)
        : m_nom(std::move(nom)), m_methode(methode), m_donnee1(donnee1), m_donnee2(donnee2) {}

    void Set(std::string nom, std::uint16_t methode, std::uint16_t donnee1, std::uint16_t donnee2);
    void Get(std::string& nom, std::uint16_t& methode, std::uint16_t& donnee1,
             std::uint16_t& donnee2) const;

    const std::string& GetNom() const { return m_nom; }

    void Serialize(CArchiveReader& ar);
    void Serialize(CArchiveWriter& ar) const;

    friend bool operator==(const CPaiement&, const CPaiement&) = default;

    std::string m_nom;
    std::uint16_t m_methode = kImmediate;
    std::uint16_t m_donnee1 = 0;  // read as signed by kShiftDays
    std::uint16_t m_donnee2 = 0;
};

}  // namespace belvane
