#include "SyntheticRegister.h"

#include "core/CPaiement.h"
#include "core/CRubrique.h"
#include "core/DayDate.h"
#include "core/RegisterFile.h"
#include "core/SafeFile.h"

#include <array>
#include <cstdio>
#include <span>
#include <string_view>

namespace belvane::bench {

namespace {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Range(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return Range(0, 99) < percent; }
    template <class T>
    const T& Pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(Range(0, static_cast<int>(items.size()) - 1))];
    }

private:
    std::uint64_t m_state;
};

using Names = std::span<const std::string_view>;

// One kind of line: who is paid, how, and what is usually written about it.
struct Kind {
    int weight;
    std::string_view paiement;
    std::string_view rubrique;
    std::string_view sousRubrique;
    Names beneficiaires;
    int minCents;
    int maxCents;  // negative amounts are debits
    Names observations;
};

constexpr std::string_view kSupermarches[] = {"Supermarché du Centre",
                                              "Hypermarché des Quatre Routes",
                                              "Épicerie Bio Les Saisons", "Supérette de la Gare"};
constexpr std::string_view kBoulangeries[] = {
    "Boulangerie Martin", "Boulangerie-Pâtisserie Lemoine", "Au Fournil d'Antan"};
constexpr std::string_view kMarche[] = {"Primeurs Garnier", "Fromagerie Blanc",
                                        "Boucherie Chevalier"};
constexpr std::string_view kStations[] = {"Station-service du Rond-Point", "Relais des Tilleuls"};
constexpr std::string_view kPharmacies[] = {"Pharmacie de la Gare", "Pharmacie du Marché"};
constexpr std::string_view kMedecins[] = {"Dr Élise Moreau", "Dr Antoine Roux",
                                          "Cabinet de kinésithérapie"};
constexpr std::string_view kRestaurants[] = {"Brasserie du Commerce", "Pizzeria Da Lucia",
                                             "Le Petit Zinc", "Crêperie Ker Maria"};
constexpr std::string_view kLoisirs[] = {"Cinéma Le Familia", "Librairie des Remparts",
                                         "Piscine municipale"};
constexpr std::string_view kEmployeurs[] = {"Valmont Industries", "Hôpital de Villeneuve"};
constexpr std::string_view kBailleur[] = {"Cabinet Lefèvre Immobilier"};
constexpr std::string_view kEnergie[] = {"Énergies du Val"};
constexpr std::string_view kTelecom[] = {"Télécom Horizon"};
constexpr std::string_view kAssurances[] = {"Assurances Mutuelles du Centre",
                                            "Mutuelle Saint-Roch"};
constexpr std::string_view kRembourseurs[] = {"Caisse d'Assurance Maladie", "Mutuelle Saint-Roch"};
constexpr std::string_view kBanque[] = {"Banque du Val de Saône"};
constexpr std::string_view kAucun[] = {""};
constexpr std::string_view kDivers[] = {
    "Garage Petit et Fils",         "Meubles Dumas",   "Électroménager Roche", "Textiles Vauban",
    "Club de tennis de Villeneuve", "Gîte Les Genêts", "Lucas Mercier"};

constexpr std::string_view kObsCourses[] = {"Courses de la semaine", "Courses", "",
                                            "Courses et produits d'entretien",
                                            "Épicerie et surgelés"};
constexpr std::string_view kObsPain[] = {"Pain et viennoiseries", "Baguettes", "",
                                         "Gâteau du dimanche"};
constexpr std::string_view kObsMarche[] = {"Fruits et légumes de saison", "Fromages et crèmerie",
                                           "Viande pour la semaine"};
constexpr std::string_view kObsCarburant[] = {"Plein de gazole", "", "Plein avant les vacances"};
constexpr std::string_view kObsSante[] = {"Ordonnance", "Consultation", "Médicaments", ""};
constexpr std::string_view kObsResto[] = {"Dîner", "Déjeuner du dimanche", "Repas entre amis", ""};
constexpr std::string_view kObsLoisirs[] = {"Deux places", "Romans de poche", "Entrées famille"};
constexpr std::string_view kObsSalaire[] = {"Salaire mensuel", "Salaire et heures supplémentaires",
                                            "Prime de fin d'année"};
constexpr std::string_view kObsLoyer[] = {"Loyer et charges de l'appartement"};
constexpr std::string_view kObsEnergie[] = {"Échéance bimestrielle électricité et gaz"};
constexpr std::string_view kObsTelecom[] = {"Box Internet fibre et téléphone fixe",
                                            "Forfait mobile"};
constexpr std::string_view kObsAssurance[] = {"Multirisque habitation, échéance trimestrielle",
                                              "Assurance auto tous risques",
                                              "Complémentaire santé famille"};
constexpr std::string_view kObsRembours[] = {"Remboursement consultation", "Part complémentaire",
                                             "Remboursement soins dentaires"};
constexpr std::string_view kObsBanque[] = {"Frais de tenue de compte",
                                           "Cotisation annuelle carte bancaire",
                                           "Virement permanent vers le livret A"};
constexpr std::string_view kObsRetrait[] = {"Retrait distributeur place Carnot", "Retrait"};
constexpr std::string_view kObsDivers[] = {
    "Révision des 60 000 km : vidange, filtres à huile et à air, plaquettes de frein avant, "
    "contrôle "
    "de la géométrie",
    "Canapé trois places et table basse en chêne, livraison et reprise de l'ancien canapé "
    "comprises",
    "Solde de la location, deux semaines, taxe de séjour comprise",
    "Cotisation annuelle au club, deux adultes",
    "Anniversaire de Lucas",
    "Lave-linge 9 kg classe A, installation comprise",
    "Soldes"};

// Weights add up to 1000.
const std::array<Kind, 20> kKinds = {{
    {210, "Carte bancaire", "Alimentation", "Supermarché", kSupermarches, 1800, 18500, kObsCourses},
    {90, "Carte différée", "Alimentation", "Supermarché", kSupermarches, 1800, 18500, kObsCourses},
    {140, "Carte bancaire", "Alimentation", "Boulangerie", kBoulangeries, 260, 3200, kObsPain},
    {50, "Carte bancaire", "Alimentation", "Marché", kMarche, 900, 4200, kObsMarche},
    {50, "Carte bancaire", "Transport", "Carburant", kStations, 4200, 8600, kObsCarburant},
    {40, "Carte différée", "Transport", "Carburant", kStations, 4200, 8600, kObsCarburant},
    {20, "Carte différée", "Transport", "Péage", std::span(kAucun), 320, 2870, std::span(kAucun)},
    {45, "Carte bancaire", "Santé", "Pharmacie", kPharmacies, 450, 4890, kObsSante},
    {20, "Chèque", "Santé", "Médecin", kMedecins, 2650, 15000, kObsSante},
    {45, "Carte bancaire", "Loisirs", "Restaurant", kRestaurants, 2400, 9600, kObsResto},
    {25, "Carte bancaire", "Loisirs", "Cinéma", kLoisirs, 800, 4600, kObsLoisirs},
    {40, "Virement", "Revenus", "Salaire", kEmployeurs, -280000, -210000, kObsSalaire},
    {20, "Virement", "Revenus", "Remboursements", kRembourseurs, -2500, -500, kObsRembours},
    {20, "Prélèvement", "Logement", "Loyer", kBailleur, 85000, 86850, kObsLoyer},
    {10, "Prélèvement", "Logement", "Électricité et gaz", kEnergie, 11800, 17200, kObsEnergie},
    {40, "Prélèvement", "Télécommunications", "Internet", kTelecom, 999, 3699, kObsTelecom},
    {40, "Prélèvement", "Santé", "Mutuelle", kAssurances, 4860, 9360, kObsAssurance},
    {40, "Prélèvement", "Banque", "Frais", kBanque, 250, 4500, kObsBanque},
    {45, "Espèces", "Banque", "Retraits", kAucun, 2000, 10000, kObsRetrait},
    {10, "Paiement à 30 jours", "Divers", "Achats importants", kDivers, 5000, 124900, kObsDivers},
}};

const Kind& PickKind(SplitMix64& rng) {
    int r = rng.Range(0, 999);
    for (const Kind& k : kKinds) {
        if (r < k.weight)
            return k;
        r -= k.weight;
    }
    return kKinds[0];
}

CLigne MakeLine(SplitMix64& rng, DayDate date, int& cheque) {
    const Kind& kind = PickKind(rng);
    CLigne line;
    line.m_dateEmission = date;
    line.m_dateValidite = date + 86400 * rng.Range(0, 35);
    line.m_montant = -rng.Range(kind.minCents, kind.maxCents);
    if (kind.paiement == "Chèque") {
        char ref[16];
        std::snprintf(ref, sizeof ref, "%07d", cheque++ % 10000000);
        line.m_reference = ref;
    } else if (kind.paiement == "Virement" && rng.Chance(30)) {
        line.m_reference = "VIR SEPA";
    }
    line.m_paiement = kind.paiement;
    line.m_rubrique = kind.rubrique;
    line.m_sousRubrique = kind.sousRubrique;
    line.m_beneficiaire = rng.Pick(kind.beneficiaires);
    line.m_observation = rng.Pick(kind.observations);
    if (rng.Chance(3))  // now and then a long note typed by the user
        line.m_observation +=
            " ; réclamation envoyée au service clients le lendemain, réponse attendue sous quinze "
            "jours";
    return line;
}

void AddReferenceLists(CRegistre& reg) {
    const auto shift = [](int days) { return static_cast<std::uint16_t>(days); };
    reg.AddPaiement(CPaiement("Chèque", CPaiement::kImmediate, 1, 1));
    reg.AddPaiement(CPaiement("Espèces", CPaiement::kImmediate, 1, 1));
    reg.AddPaiement(CPaiement("Prélèvement", CPaiement::kImmediate, 1, 1));
    reg.AddPaiement(CPaiement("Carte bancaire", CPaiement::kFixedDay, 5, 1));
    reg.AddPaiement(CPaiement("Carte différée", CPaiement::kFixedDayLater, 3, 1));
    reg.AddPaiement(CPaiement("Paiement à 30 jours", CPaiement::kSameDayLater, 1, 1));
    reg.AddPaiement(CPaiement("Virement", CPaiement::kShiftDays, shift(-1), shift(2)));

    // Categories and payees in the order the lines name them.
    for (const Kind& k : kKinds) {
        CRubrique* r = nullptr;
        for (CRubrique& existing : reg.m_rubriques)
            if (existing.m_nom == k.rubrique)
                r = &existing;
        if (!r)
            r = &reg.m_rubriques.emplace_back(std::string(k.rubrique), 0);
        if (r->FindSousRubrique(k.sousRubrique) < 0)
            r->InsertSousRubrique(r->GetNbSousRubriques(),
                                  CSousRubrique(std::string(k.sousRubrique), 0));
        for (const std::string_view name : k.beneficiaires) {
            bool known = name.empty();
            for (const CBeneficiaire& b : reg.m_beneficiaires)
                known = known || b.m_nom == name;
            if (!known)
                reg.m_beneficiaires.emplace_back(
                    std::string(name), "03 85 48 00 00",
                    "12 rue de la République\r\n71100 Villeneuve-sur-Saône");
        }
    }
}

}  // namespace

CRegistre MakeSyntheticRegister(int lines, std::uint64_t seed) {
    SplitMix64 rng(seed);
    CRegistre reg;
    reg.m_banque = "Banque du Val de Saône";
    reg.m_agence = "Villeneuve-Centre, 8 place Carnot";
    reg.m_numeroCompte = "00012345678";
    reg.m_cartes = "4974 XXXX XXXX 1234 ; 4974 XXXX XXXX 5678";
    reg.m_titulaires = "M. Julien Mercier et Mme Camille Mercier";
    reg.m_annotations = "Registre de mesure : trente années de lignes.";
    reg.m_montantInitial = 184237;
    AddReferenceLists(reg);

    // About 25 lines a day from 1995 on: 300000 lines end in 2027.
    reg.m_lignes.reserve(static_cast<std::size_t>(lines));
    DayDate date = ToDayDate(1995, 1, 2);
    const DayDate statementsUntil = ToDayDate(2027, 6, 1);
    int cheque = 1234;
    for (int i = 0; i < lines; ++i) {
        if (rng.Chance(4))
            date += 86400;
        CLigne& line = reg.m_lignes.emplace_back(MakeLine(rng, date, cheque));
        if (line.m_dateValidite < statementsUntil)
            line.m_dateReleve = line.m_dateValidite + 86400 * rng.Range(0, 27);
    }
    return reg;
}

std::vector<CLigne> MakeSyntheticLines(int count, DayDate date, std::uint64_t seed) {
    SplitMix64 rng(seed);
    int cheque = 9000;
    std::vector<CLigne> lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(MakeLine(rng, date, cheque));
    return lines;
}

Status WriteSyntheticRegister(const std::string& path, int lines) {
    return WriteFileAtomically(path, WriteRegister(MakeSyntheticRegister(lines)));
}

}  // namespace belvane::bench
