#include "core/RegisterFile.h"

#include "core/Archive.h"
#include "core/DayDate.h"
#include "core/FileVersion.h"
#include "core/Text.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace belvane {

namespace {

constexpr std::string_view kMagicBlv = "KVT-BELVANE-BLV";
constexpr std::string_view kMagic31 = "KVT-BELVANE-3.1";
constexpr std::string_view kMagic30 = "KVT-BELVANE-3.0";
constexpr std::uint32_t kLegacyMagic = 0xAAC010EE;

// Smallest size of each record on file: counts are checked against the bytes
// left with these before any room is reserved.
constexpr std::size_t kMinLine31 = 12 + 4 + 6;
constexpr std::size_t kMinLine30 = 6 + 4 + 6;
constexpr std::size_t kMinPaiement = 1 + 6;
constexpr std::size_t kMinMouvement31 = 1 + 4 + 2 + 2 + 1 + 4 + 4;
constexpr std::size_t kMinMouvement30 = 1 + 2 + 2 + 1 + 4 + 4;
constexpr std::size_t kMinRubrique = 1 + 4 + 4;
constexpr std::size_t kMinBeneficiaire = 3;

int ReadWidth(CArchiveReader& ar) {
    const std::uint32_t w = ar.ReadU32();
    if (w > static_cast<std::uint32_t>(CRegistre::kMaxWidth))
        throw ArchiveBadFormat("column width out of range");
    return static_cast<int>(w);
}

// Files older than 0x305 store no column list or font: rebuild them from the
// widths, a width of 0 meaning a hidden column.
void RebuildColumns(CRegistre& reg) {
    reg.m_colonnes = {kColDateEmission, kColDateReleve};
    auto take = [&](int widthIndex, int fallback, std::uint8_t column) {
        if (reg.m_largeurs[widthIndex] == 0)
            reg.m_largeurs[widthIndex] = fallback;
        else
            reg.m_colonnes.push_back(column);
    };
    take(kWidthReference, 16, kColReference);
    take(kWidthPaiement, 32, kColPaiement);
    reg.m_colonnes.push_back(kColMontant);
    take(kWidthRubrique, 32, kColRubrique);
    take(kWidthSousRubrique, 32, kColSousRubrique);
    take(kWidthBeneficiaire, 32, kColBeneficiaire);
    reg.m_largeurs[kWidthObservation] = 64;
    reg.m_colonnes.push_back(kColObservation);
    reg.m_police = CPolice::DefaultFixedPitch();
}

void ReadStream(CArchiveReader& ar, std::uint32_t v, CRegistre& reg) {
    reg.m_bBackup = ar.ReadU16() != 0;
    ar.ReadString();  // reserved
    for (int i = kWidthReference; i <= kWidthBeneficiaire; ++i)
        reg.m_largeurs[i] = ReadWidth(ar);
    if (v >= kVersionCurrent) {
        reg.m_largeurs[kWidthObservation] = ReadWidth(ar);
        const std::uint16_t n = ar.ReadU16();
        if (n > kColumnCount)
            throw ArchiveBadFormat("more than 12 columns");
        reg.m_colonnes.resize(n);
        for (auto& column : reg.m_colonnes) {
            const std::uint16_t id = ar.ReadU16();
            if (id >= kColumnCount)
                throw ArchiveBadFormat("unknown column identifier");
            column = static_cast<std::uint8_t>(id);
        }
        reg.m_police = CPolice::FromBytes(ar.ReadBytes(CPolice::kSize));
    } else {
        RebuildColumns(reg);
    }
    for (auto& color : reg.m_couleurs)
        color = ar.ReadU32();
    reg.m_banque = ar.ReadString();
    reg.m_agence = ar.ReadString();
    reg.m_numeroCompte = ar.ReadString();
    reg.m_cartes = ar.ReadString();
    reg.m_titulaires = ar.ReadString();
    reg.m_annotations = ar.ReadString();
    reg.m_montantInitial = ar.ReadI32();

    std::uint32_t n = ar.ReadU32();
    ar.RequireRecords(n, v >= kVersion31 ? kMinLine31 : kMinLine30);
    reg.m_lignes.clear();
    reg.m_lignes.resize(n);
    for (CLigne& line : reg.m_lignes)
        line.Serialize(ar, v);

    n = ar.ReadU32();
    ar.RequireRecords(n, kMinPaiement);
    reg.m_paiements.resize(n);
    for (CPaiement& p : reg.m_paiements)
        p.Serialize(ar);

    n = ar.ReadU32();
    ar.RequireRecords(n, v > kVersion30 ? kMinMouvement31 : kMinMouvement30);
    reg.m_mouvements.resize(n);
    for (CMouvementAuto& m : reg.m_mouvements)
        m.Serialize(ar, v);

    n = ar.ReadU32();
    ar.RequireRecords(n, kMinRubrique);
    reg.m_rubriques.resize(n);
    for (CRubrique& r : reg.m_rubriques)
        r.Serialize(ar);

    n = ar.ReadU32();
    ar.RequireRecords(n, kMinBeneficiaire);
    reg.m_beneficiaires.resize(n);
    for (CBeneficiaire& b : reg.m_beneficiaires)
        b.Serialize(ar);
}

// --- the oldest, raw format -------------------------------------------------

// Fixed-size records of the legacy format, read field by field at their offsets.
class LegacyRecord {
public:
    explicit LegacyRecord(const std::uint8_t* p) : m_p(p) {}
    std::uint16_t U16(std::size_t o) const {
        return static_cast<std::uint16_t>(m_p[o] | (m_p[o + 1] << 8));
    }
    std::int32_t I32(std::size_t o) const {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(m_p[o]) |
                                         (static_cast<std::uint32_t>(m_p[o + 1]) << 8) |
                                         (static_cast<std::uint32_t>(m_p[o + 2]) << 16) |
                                         (static_cast<std::uint32_t>(m_p[o + 3]) << 24));
    }
    // A NUL-terminated text in a slot; a slot without NUL ends at its end.
    std::string Text(std::size_t o, std::size_t size) const {
        const auto* s = reinterpret_cast<const char*>(m_p + o);
        return text::DecodeCp1252(std::string_view(s, strnlen(s, size)));
    }

private:
    const std::uint8_t* m_p;
};

struct LegacyUnreadable {};

template <class T, class Name>
void SortByName(std::vector<T>& list, Name name) {
    std::stable_sort(list.begin(), list.end(), [&](const T& a, const T& b) {
        return text::CompareNoCase(name(a), name(b)) < 0;
    });
}

const std::uint8_t* Take(CArchiveReader& ar, std::size_t n) {
    if (ar.Remaining() < n)
        throw LegacyUnreadable();
    return ar.ReadBytes(n);
}

// The magic number and the account's summary: the texts and the opening balance.
void ReadLegacySummary(CArchiveReader& ar, CRegistre& reg) {
    if (LegacyRecord(Take(ar, 4)).I32(0) != static_cast<std::int32_t>(kLegacyMagic))
        throw LegacyUnreadable();
    const LegacyRecord summary(Take(ar, 348));
    reg.m_annotations = summary.Text(0, 36);
    reg.m_banque = summary.Text(36, 36);
    reg.m_agence = summary.Text(72, 36);
    reg.m_numeroCompte = summary.Text(108, 36);
    reg.m_cartes = summary.Text(144, 100);
    reg.m_titulaires = summary.Text(244, 100);
    reg.m_montantInitial = summary.I32(344);
}

// How many records of each list follow the header.
struct LegacyCounts {
    int rubriques = 0;
    int paiements = 0;
    int mouvements = 0;
    int lignes = 0;
};

// The header (counts and column widths), the colours and the line count.
LegacyCounts ReadLegacyHeader(CArchiveReader& ar, CRegistre& reg) {
    const LegacyRecord header(Take(ar, 20));
    const int a1 = header.U16(0);
    const int a2 = header.U16(2);
    LegacyCounts counts;
    counts.rubriques = header.U16(4);
    counts.paiements = header.U16(6);
    counts.mouvements = header.U16(8);
    reg.m_largeurs[kWidthReference] = std::min<int>(header.U16(12), CRegistre::kMaxWidth);
    reg.m_largeurs[kWidthPaiement] = std::min<int>(header.U16(14), CRegistre::kMaxWidth);
    reg.m_largeurs[kWidthRubrique] = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{a1} * header.U16(16), CRegistre::kMaxWidth));
    reg.m_largeurs[kWidthSousRubrique] = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{a2} * header.U16(18), CRegistre::kMaxWidth));

    const LegacyRecord colors(Take(ar, 64));
    for (int i = 0; i < 6; ++i)
        reg.m_couleurs[i] = static_cast<ColorRef>(colors.I32(4 * i));
    Take(ar, 1024);
    counts.lignes = LegacyRecord(Take(ar, 2)).U16(0);
    return counts;
}

// Category records first; their subcategory counts are checked against the
// bytes left before any subcategory is made.
void ReadLegacyCategories(CArchiveReader& ar, int count, CRegistre& reg) {
    reg.m_rubriques.resize(count);
    std::vector<int> nbSousRubriques(count);
    std::uint64_t totalSousRubriques = 0;
    for (int i = 0; i < count; ++i) {
        const LegacyRecord rec(Take(ar, 64));
        reg.m_rubriques[i].Set(rec.Text(0, 16), rec.I32(16));
        reg.m_rubriques[i].SetTravail(rec.U16(24));
        nbSousRubriques[i] = rec.U16(26);
        totalSousRubriques += nbSousRubriques[i];
    }
    if (totalSousRubriques * 64 > ar.Remaining())
        throw LegacyUnreadable();
    for (int i = 0; i < count; ++i)
        reg.m_rubriques[i].SetNbSousRubriques(nbSousRubriques[i]);
    for (CRubrique& r : reg.m_rubriques) {
        for (CSousRubrique& sr : r.m_sousRubriques) {
            const LegacyRecord rec(Take(ar, 64));
            sr.Set(rec.Text(0, 16), rec.I32(16));
            sr.SetTravail(rec.U16(24));
        }
    }
}

// The payment methods in file order, with the number each is known by.
struct LegacyPaiements {
    std::vector<CPaiement> list;
    std::vector<int> numbers;
};

LegacyPaiements ReadLegacyPaiements(CArchiveReader& ar, int count) {
    LegacyPaiements paiements;
    paiements.list.resize(count);
    paiements.numbers.resize(count);
    for (int i = 0; i < count; ++i) {
        const LegacyRecord rec(Take(ar, 64));
        paiements.list[i].Set(rec.Text(0, 20), rec.U16(22), rec.U16(24), rec.U16(26));
        paiements.numbers[i] = rec.U16(20);
    }
    return paiements;
}

// Records name their payment method, category and subcategory by number; the
// first record of a number is the one meant. The numbers are indexed once: a
// search through every list for each of up to 65535 lines would take minutes
// on a file that uses all the numbers there are.
class LegacyNames {
public:
    LegacyNames(const LegacyPaiements& paiements, const std::vector<CRubrique>& rubriques)
        : m_paiements(paiements.list), m_rubriques(rubriques) {
        for (int i = 0; i < static_cast<int>(paiements.numbers.size()); ++i)
            m_paiementOf.emplace(paiements.numbers[i], i);
        for (int i = 0; i < static_cast<int>(rubriques.size()); ++i) {
            const CRubrique& r = rubriques[i];
            m_rubriqueOf.emplace(r.GetTravail(), i);
            for (int k = 0; k < static_cast<int>(r.m_sousRubriques.size()); ++k)
                m_sousRubriqueOf.emplace(SubKey(i, r.m_sousRubriques[k].m_travail), k);
        }
    }

    std::string Paiement(int number) const {
        const auto it = m_paiementOf.find(number);
        return it == m_paiementOf.end() ? std::string() : m_paiements[it->second].m_nom;
    }

    void Categories(int rubrique, int sousRubrique, std::string& nomRubrique,
                    std::string& nomSousRubrique) const {
        nomRubrique.clear();
        nomSousRubrique.clear();
        const auto r = m_rubriqueOf.find(rubrique);
        if (r == m_rubriqueOf.end())
            return;
        const CRubrique& cat = m_rubriques[r->second];
        nomRubrique = cat.m_nom;
        const auto sr = m_sousRubriqueOf.find(SubKey(r->second, sousRubrique));
        if (sr != m_sousRubriqueOf.end())
            nomSousRubrique = cat.m_sousRubriques[sr->second].m_nom;
    }

private:
    // A subcategory number within the category of index `rubrique`.
    static std::uint64_t SubKey(int rubrique, std::int32_t number) {
        return (std::uint64_t{static_cast<std::uint32_t>(rubrique)} << 32) |
               static_cast<std::uint32_t>(number);
    }

    const std::vector<CPaiement>& m_paiements;
    const std::vector<CRubrique>& m_rubriques;
    std::unordered_map<int, int> m_paiementOf;
    std::unordered_map<int, int> m_rubriqueOf;
    std::unordered_map<std::uint64_t, int> m_sousRubriqueOf;
};

void ReadLegacyMouvements(CArchiveReader& ar, int count, const LegacyNames& names, CRegistre& reg) {
    reg.m_mouvements.reserve(count);
    for (int i = 0; i < count; ++i) {
        const LegacyRecord rec(Take(ar, 128));
        CMouvementAuto m;
        const std::uint16_t packed = rec.U16(0);
        m.m_prochaineDate = LegacyDateToDayDate(packed);
        m.m_jour = packed & 0x1F;
        m.m_nbMois = rec.U16(2);
        m.m_paiement = names.Paiement(rec.U16(4));
        m.m_montant = rec.I32(6);
        names.Categories(rec.U16(10), rec.U16(12), m.m_rubrique, m.m_sousRubrique);
        m.m_observation = rec.Text(14, 38);
        m.m_titre = rec.Text(52, 76);
        reg.m_mouvements.push_back(std::move(m));
    }
}

void ReadLegacyLines(CArchiveReader& ar, int count, const LegacyNames& names, CRegistre& reg) {
    if (static_cast<std::uint64_t>(count) * 128 > ar.Remaining())
        throw LegacyUnreadable();
    reg.m_lignes.resize(count);
    for (CLigne& line : reg.m_lignes) {
        const LegacyRecord rec(Take(ar, 128));
        line.m_dateEmission = LegacyDateToDayDate(rec.U16(0));
        line.m_dateReleve = LegacyDateToDayDate(rec.U16(2));
        line.m_dateValidite = LegacyDateToDayDate(rec.U16(4));
        line.m_reference = rec.Text(6, 16);
        line.m_paiement = names.Paiement(rec.U16(22));
        line.m_montant = rec.I32(24);
        names.Categories(rec.U16(28), rec.U16(30), line.m_rubrique, line.m_sousRubrique);
        line.m_observation = rec.Text(32, 96);
    }
}

void ReadLegacy(CArchiveReader& ar, CRegistre& reg) {
    reg.m_bBackup = false;
    reg.m_largeurs[kWidthBeneficiaire] = 0;
    reg.m_paiements.clear();
    reg.m_mouvements.clear();
    reg.m_rubriques.clear();
    reg.m_beneficiaires.clear();
    reg.m_lignes.clear();

    ReadLegacySummary(ar, reg);
    const LegacyCounts counts = ReadLegacyHeader(ar, reg);
    ReadLegacyCategories(ar, counts.rubriques, reg);
    LegacyPaiements paiements = ReadLegacyPaiements(ar, counts.paiements);
    {
        const LegacyNames names(paiements, reg.m_rubriques);
        ReadLegacyMouvements(ar, counts.mouvements, names, reg);
        ReadLegacyLines(ar, counts.lignes, names, reg);
    }

    // Both lists in name order, equal names in file order: what adding them one
    // by one gives, without its quadratic time on long lists.
    SortByName(reg.m_mouvements,
               [](const CMouvementAuto& m) -> const std::string& { return m.m_titre; });
    SortByName(paiements.list, [](const CPaiement& p) -> const std::string& { return p.m_nom; });
    reg.m_paiements = std::move(paiements.list);
}

}  // namespace

LoadResult ReadRegister(std::span<const std::uint8_t> bytes, CRegistre& reg) {
    LoadResult result;
    CArchiveReader ar(bytes.data(), bytes.size());

    std::string_view magic;
    if (bytes.size() >= 16 && bytes[0] == 15)
        magic = std::string_view(reinterpret_cast<const char*>(bytes.data() + 1), 15);

    std::uint32_t version = 0;
    try {
        if (magic == kMagicBlv) {
            ar.Skip(16);
            version = ar.ReadU32();
            result.format = FileFormat::Blv;
        } else if (magic == kMagic31) {
            ar.Skip(16);
            version = kVersion31;
            result.format = FileFormat::V31;
        } else if (magic == kMagic30) {
            ar.Skip(16);
            version = kVersion30;
            result.format = FileFormat::V30;
        }
        // A version word below that of the oldest stream cannot be read as one:
        // such a file goes to the legacy reader like an unknown magic.
        if (version >= kVersion30) {
            result.version = version;
            ReadStream(ar, version, reg);
            return result;
        }
    } catch (const ArchiveEndOfFile& e) {
        result.status = Status::Damaged(e.what());
        return result;
    } catch (const ArchiveBadFormat& e) {
        result.status = Status::Unreadable(e.what());
        return result;
    }

    result.format = FileFormat::Legacy;
    result.version = 0;
    try {
        CArchiveReader raw(bytes.data(), bytes.size());
        ReadLegacy(raw, reg);
    } catch (const LegacyUnreadable&) {
        result.status = Status::Unreadable("not a register file");
    }
    return result;
}

std::string WriteRegister(const CRegistre& reg) {
    std::string out;
    out.reserve(512 + reg.m_lignes.size() * 112);
    CArchiveWriter ar(out);
    ar.WriteString(kMagicBlv);
    ar.WriteU32(kVersionCurrent);
    ar.WriteU16(reg.m_bBackup ? 1 : 0);
    ar.WriteString("");
    for (const int w : reg.m_largeurs)
        ar.WriteU32(static_cast<std::uint32_t>(w));
    ar.WriteU16(static_cast<std::uint16_t>(reg.m_colonnes.size()));
    for (const std::uint8_t column : reg.m_colonnes)
        ar.WriteU16(column);
    ar.WriteBytes(reg.m_police.Bytes().data(), CPolice::kSize);
    for (const ColorRef color : reg.m_couleurs)
        ar.WriteU32(color);
    ar.WriteString(reg.m_banque);
    ar.WriteString(reg.m_agence);
    ar.WriteString(reg.m_numeroCompte);
    ar.WriteString(reg.m_cartes);
    ar.WriteString(reg.m_titulaires);
    ar.WriteString(reg.m_annotations);
    ar.WriteI32(reg.m_montantInitial);

    ar.WriteU32(static_cast<std::uint32_t>(reg.m_lignes.size()));
    for (const CLigne& line : reg.m_lignes)
        line.Serialize(ar);
    ar.WriteU32(static_cast<std::uint32_t>(reg.m_paiements.size()));
    for (const CPaiement& p : reg.m_paiements)
        p.Serialize(ar);
    ar.WriteU32(static_cast<std::uint32_t>(reg.m_mouvements.size()));
    for (const CMouvementAuto& m : reg.m_mouvements)
        m.Serialize(ar);
    ar.WriteU32(static_cast<std::uint32_t>(reg.m_rubriques.size()));
    for (const CRubrique& r : reg.m_rubriques)
        r.Serialize(ar);
    ar.WriteU32(static_cast<std::uint32_t>(reg.m_beneficiaires.size()));
    for (const CBeneficiaire& b : reg.m_beneficiaires)
        b.Serialize(ar);
    return out;
}

const char* FormatName(FileFormat format) {
    switch (format) {
        case FileFormat::Blv:
            return "BLV";
        case FileFormat::V31:
            return "3.1";
        case FileFormat::V30:
            return "3.0";
        case FileFormat::Legacy:
            return "legacy";
    }
    return "?";
}

}  // namespace belvane
