#include "RegisterRoundTrip.h"

#include "core/CRegistre.h"
#include "core/FileVersion.h"
#include "core/RegisterFile.h"

namespace belvane {

namespace {

std::span<const std::uint8_t> AsBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// The first field in which two registers differ, or an empty text.
std::string FirstDifference(const CRegistre& a, const CRegistre& b) {
    if (a.m_bBackup != b.m_bBackup)
        return "backup flag";
    if (a.m_largeurs != b.m_largeurs)
        return "column widths";
    if (a.m_colonnes != b.m_colonnes)
        return "column list";
    if (a.m_police != b.m_police)
        return "font";
    if (a.m_couleurs != b.m_couleurs)
        return "colours";
    if (a.m_banque != b.m_banque || a.m_agence != b.m_agence ||
        a.m_numeroCompte != b.m_numeroCompte || a.m_cartes != b.m_cartes ||
        a.m_titulaires != b.m_titulaires || a.m_annotations != b.m_annotations)
        return "account summary";
    if (a.m_montantInitial != b.m_montantInitial)
        return "initial amount";
    if (a.m_lignes != b.m_lignes)
        return "lines";
    if (a.m_paiements != b.m_paiements)
        return "payment methods";
    if (a.m_mouvements != b.m_mouvements)
        return "recurring movements";
    if (a.m_rubriques != b.m_rubriques)
        return "categories";
    if (a.m_beneficiaires != b.m_beneficiaires)
        return "payees";
    return {};
}

}  // namespace

std::string CheckRegisterRoundTrip(std::span<const std::uint8_t> bytes) {
    CRegistre first;
    if (!ReadRegister(bytes, first).status.ok())
        return {};  // refused cleanly: nothing more is promised

    const std::string written = WriteRegister(first);
    CRegistre second;
    const LoadResult again = ReadRegister(AsBytes(written), second);
    if (!again.status.ok())
        return "the register written does not read back: " + again.status.ToString();
    if (again.format != FileFormat::Blv || again.version != kVersionCurrent)
        return "the register written is not in the current format";
    if (const std::string field = FirstDifference(first, second); !field.empty())
        return "the register read back differs in its " + field;
    if (WriteRegister(second) != written)
        return "the register read back is written with other bytes";
    return {};
}

}  // namespace belvane
