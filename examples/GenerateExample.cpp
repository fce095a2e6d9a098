// Writes the example register: two calendar years (2024 and 2025) of the joint
// account of a French household. Everything comes from one fixed seed and a fixed
// "today", so that two runs write the same bytes.
//
// Usage: belvane-example-gen OUTPUT.blv

#include "core/CBelvaneDoc.h"
#include "core/CBeneficiaire.h"
#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/CPaiement.h"
#include "core/CPolice.h"
#include "core/CRubrique.h"
#include "core/Clock.h"
#include "core/DayDate.h"
#include "core/Text.h"
#include "rules/ValidityDate.h"

#include <unicode/locid.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace belvane {
namespace {

constexpr std::uint64_t kSeed = 0x42656C76616E6521;  // "Belvane!"

// splitmix64: the same sequence with every compiler and standard library, which
// the <random> distributions do not promise.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi]; the modulo bias is irrelevant here.
    int Range(int lo, int hi) {
        return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return Range(0, 99) < percent; }
    template <class T>
    const T& Pick(std::initializer_list<T> items) {
        return items.begin()[Range(0, static_cast<int>(items.size()) - 1)];
    }

private:
    std::uint64_t m_state;
};

// --- reference lists ---------------------------------------------------------

constexpr const char* kCheque = "Chèque";
constexpr const char* kCarte = "Carte bancaire";
constexpr const char* kCarteDifferee = "Carte différée";
constexpr const char* kPrelevement = "Prélèvement";
constexpr const char* kVirement = "Virement";
constexpr const char* kEspeces = "Espèces";
constexpr const char* kTrenteJours = "Paiement à 30 jours";

void AddPaiements(CBelvaneDoc& doc) {
    const auto shift = [](int days) { return static_cast<std::uint16_t>(days); };
    doc.AddPaiement(CPaiement(kCheque, CPaiement::kImmediate, 1, 1));
    doc.AddPaiement(CPaiement(kEspeces, CPaiement::kImmediate, 1, 1));
    doc.AddPaiement(CPaiement(kPrelevement, CPaiement::kImmediate, 1, 1));
    // Deferred debit card: purchases are debited on the 5th.
    doc.AddPaiement(CPaiement(kCarte, CPaiement::kFixedDay, 5, 1));
    // Second card, debited on the 3rd of the month after the next statement.
    doc.AddPaiement(CPaiement(kCarteDifferee, CPaiement::kFixedDayLater, 3, 1));
    // Shop credit without fees: debited the same day one month later.
    doc.AddPaiement(CPaiement(kTrenteJours, CPaiement::kSameDayLater, 1, 1));
    // Outgoing transfers count the day before, incoming ones two days later.
    doc.AddPaiement(CPaiement(kVirement, CPaiement::kShiftDays, shift(-1), shift(2)));
}

struct Rubrique {
    const char* nom;
    Amount montant;
    std::vector<std::pair<const char*, Amount>> sousRubriques;
};

void AddRubriques(CBelvaneDoc& doc) {
    const std::vector<Rubrique> rubriques = {
        {"Alimentation", 0, {{"Supermarché", 0}, {"Boulangerie", 0}, {"Marché", 0}}},
        {"Logement",
         0,
         {{"Loyer", 0},
          {"Électricité et gaz", 0},
          {"Eau", 0},
          {"Assurance habitation", 0},
          {"Mobilier", 0}}},
        {"Télécommunications", 0, {{"Internet", 0}, {"Téléphone mobile", 0}}},
        {"Transport",
         0,
         {{"Carburant", 0},
          {"Entretien", 0},
          {"Péage", 0},
          {"Assurance auto", 0},
          {"Crédit auto", 0}}},
        {"Santé", 0, {{"Pharmacie", 0}, {"Médecin", 0}, {"Mutuelle", 0}}},
        {"Loisirs",
         30000,
         {{"Restaurant", 0}, {"Cinéma", 0}, {"Livres", 0}, {"Sport", 0}, {"Vacances", 30000}}},
        {"Habillement", 0, {{"Vêtements", 0}, {"Chaussures", 0}}},
        {"Cadeaux", 0, {{"Anniversaires", 0}, {"Noël", 0}}},
        {"Revenus", 0, {{"Salaire", 0}, {"Remboursements", 0}, {"Divers", 0}}},
        {"Épargne", 250000, {{"Livret A", 250000}}},
        {"Banque", -1250, {{"Frais", -1250}, {"Retraits", 0}}},
    };
    for (const Rubrique& r : rubriques) {
        const int i = doc.GetRubriqueCount();
        doc.InsertRubrique(i, CRubrique(r.nom, r.montant));
        for (const auto& [nom, montant] : r.sousRubriques)
            doc.InsertSousRubrique(i, doc.GetRubrique(i).GetNbSousRubriques(),
                                   CSousRubrique(nom, montant));
    }
}

// Payees; addresses keep the CR LF line breaks of the address field.
constexpr const char* kValmont = "Valmont Industries";
constexpr const char* kHopital = "Hôpital de Villeneuve";
constexpr const char* kLefevre = "Cabinet Lefèvre Immobilier";
constexpr const char* kEnergies = "Énergies du Val";
constexpr const char* kEaux = "Régie des Eaux de Villeneuve";
constexpr const char* kHorizon = "Télécom Horizon";
constexpr const char* kAssurances = "Assurances Mutuelles du Centre";
constexpr const char* kMutuelle = "Mutuelle Saint-Roch";
constexpr const char* kMaladie = "Caisse d'Assurance Maladie";
constexpr const char* kBanque = "Banque du Val de Saône";
constexpr const char* kSupermarche = "Supermarché du Centre";
constexpr const char* kHypermarche = "Hypermarché des Quatre Routes";
constexpr const char* kEpicerie = "Épicerie Bio Les Saisons";
constexpr const char* kMartin = "Boulangerie Martin";
constexpr const char* kLemoine = "Boulangerie-Pâtisserie Lemoine";
constexpr const char* kGarnier = "Primeurs Garnier";
constexpr const char* kFromagerie = "Fromagerie Blanc";
constexpr const char* kStation = "Station-service du Rond-Point";
constexpr const char* kRelais = "Relais des Tilleuls";
constexpr const char* kAutoroute = "Autoroute des Deux Vallées";
constexpr const char* kGarage = "Garage Petit et Fils";
constexpr const char* kPharmacieGare = "Pharmacie de la Gare";
constexpr const char* kPharmacieMarche = "Pharmacie du Marché";
constexpr const char* kMoreau = "Dr Élise Moreau";
constexpr const char* kRoux = "Dr Antoine Roux";
constexpr const char* kCinema = "Cinéma Le Familia";
constexpr const char* kBrasserie = "Brasserie du Commerce";
constexpr const char* kPizzeria = "Pizzeria Da Lucia";
constexpr const char* kLibrairie = "Librairie des Remparts";
constexpr const char* kTextiles = "Textiles Vauban";
constexpr const char* kPerrin = "Chaussures Perrin";
constexpr const char* kTennis = "Club de tennis de Villeneuve";
constexpr const char* kGite = "Gîte Les Genêts";
constexpr const char* kMeubles = "Meubles Dumas";
constexpr const char* kRoche = "Électroménager Roche";
constexpr const char* kLucas = "Lucas Mercier";
constexpr const char* kMamie = "Jeanne Mercier";

void AddBeneficiaires(CBelvaneDoc& doc) {
    const std::vector<CBeneficiaire> payees = {
        {kValmont, "03 85 41 27 90",
         "Service des ressources humaines\r\n17 rue des Forges\r\n71210 Montchanin-les-Bois"},
        {kHopital, "03 85 20 30 00",
         "Direction des ressources humaines\r\n2 avenue Pasteur\r\n71100 Villeneuve-sur-Saône"},
        {kLefevre, "03 85 48 12 66",
         "Gestion locative\r\n5 quai Saint-Cosme\r\n71100 Villeneuve-sur-Saône"},
        {kEnergies, "09 70 81 42 42", "Service clients\r\nTSA 40112\r\n69429 Lyon Cedex 03"},
        {kEaux, "03 85 48 70 15",
         "Hôtel de ville\r\nPlace de l'Obélisque\r\n71100 Villeneuve-sur-Saône"},
        {kHorizon, "39 88", "Service clients\r\nBP 7500\r\n75380 Paris Cedex 08"},
        {kAssurances, "03 85 93 11 40",
         "Agence de Villeneuve\r\n24 rue de la République\r\n71100 Villeneuve-sur-Saône"},
        {kMutuelle, "03 80 55 62 10", "Centre de gestion\r\n11 boulevard Voltaire\r\n21000 Dijon"},
        {kMaladie, "36 46", "Service des prestations\r\n71094 Villeneuve-sur-Saône Cedex"},
        {kBanque, "03 85 48 02 48",
         "Agence de Villeneuve-Centre\r\n8 place Carnot\r\n71100 Villeneuve-sur-Saône"},
        {kSupermarche, "03 85 48 33 10", "12 avenue de Paris\r\n71100 Villeneuve-sur-Saône"},
        {kHypermarche, "03 85 46 90 00",
         "Zone commerciale des Quatre Routes\r\n71380 Saint-Marcel-sur-Saône"},
        {kEpicerie, "03 85 42 18 71", "3 rue aux Fèvres\r\n71100 Villeneuve-sur-Saône"},
        {kMartin, "03 85 48 25 09", "27 Grande Rue\r\n71100 Villeneuve-sur-Saône"},
        {kLemoine, "03 85 41 77 34", "1 place de Beaune\r\n71100 Villeneuve-sur-Saône"},
        {kGarnier, "06 12 48 90 33", "Marché couvert, place Carnot\r\n71100 Villeneuve-sur-Saône"},
        {kFromagerie, "03 85 48 61 20", "9 rue du Pont\r\n71100 Villeneuve-sur-Saône"},
        {kStation, "03 85 46 12 80", "Rond-point de l'Europe\r\n71100 Villeneuve-sur-Saône"},
        {kRelais, "03 85 44 51 02", "Route de Lyon\r\n71380 Saint-Marcel-sur-Saône"},
        {kAutoroute, "08 10 10 72 72", "Direction régionale\r\nBP 22\r\n21601 Longvic Cedex"},
        {kGarage, "03 85 41 66 18",
         "Atelier et carrosserie\r\n45 rue de la Villeneuve\r\n71100 Villeneuve-sur-Saône"},
        {kPharmacieGare, "03 85 48 07 77", "2 avenue Boucicaut\r\n71100 Villeneuve-sur-Saône"},
        {kPharmacieMarche, "03 85 48 11 92", "18 place du Marché\r\n71100 Villeneuve-sur-Saône"},
        {kMoreau, "03 85 48 52 41",
         "Médecin généraliste\r\nCabinet médical des Chavannes\r\n6 rue des Chavannes\r\n71100 "
         "Villeneuve-sur-Saône"},
        {kRoux, "03 85 41 09 88",
         "Chirurgien-dentiste\r\n30 rue Gloriette\r\n71100 Villeneuve-sur-Saône"},
        {kCinema, "03 85 48 18 30", "10 boulevard de la République\r\n71100 Villeneuve-sur-Saône"},
        {kBrasserie, "03 85 48 40 61", "4 place de l'Hôtel de ville\r\n71100 Villeneuve-sur-Saône"},
        {kPizzeria, "03 85 93 27 14", "21 rue de la Motte\r\n71100 Villeneuve-sur-Saône"},
        {kLibrairie, "03 85 48 74 05", "15 rue au Change\r\n71100 Villeneuve-sur-Saône"},
        {kTextiles, "03 85 48 29 57", "22 Grande Rue\r\n71100 Villeneuve-sur-Saône"},
        {kPerrin, "03 85 48 63 40", "7 rue du Châtelet\r\n71100 Villeneuve-sur-Saône"},
        {kTennis, "03 85 46 38 52",
         "Secrétariat\r\nComplexe sportif des Prés-Saint-Jean\r\n71100 Villeneuve-sur-Saône"},
        {kGite, "04 75 38 22 91", "Hameau des Genêts\r\n07160 Le Cheylard-en-Vivarais"},
        {kMeubles, "03 85 46 55 00",
         "Zone d'activités du Pont-Jeanne\r\n71380 Saint-Marcel-sur-Saône"},
        {kRoche, "03 85 42 80 13", "33 avenue Niépce\r\n71100 Villeneuve-sur-Saône"},
        {kLucas, "06 71 22 45 18", "8 allée des Tilleuls\r\n69100 Villeurbanne"},
        {kMamie, "03 85 51 32 04", "La Croix-Blanche\r\n71640 Givry-en-Côte"},
    };
    for (const CBeneficiaire& b : payees)
        doc.InsertBeneficiaire(doc.GetBeneficiaireCount(), b);
}

// --- lines -------------------------------------------------------------------

constexpr std::array<const char*, 12> kMois = {"janvier",   "février", "mars",     "avril",
                                               "mai",       "juin",    "juillet",  "août",
                                               "septembre", "octobre", "novembre", "décembre"};

struct Draft {
    DayDate issue = 0;
    Amount amount = 0;
    std::string paiement;
    std::string rubrique;
    std::string sousRubrique;
    std::string beneficiaire;
    std::string observation;
    std::string reference;
};

int Weekday(int year, int month, int day)  // 0 Sunday to 6 Saturday
{
    return static_cast<int>(((DaysFromCivil(year, month, day) % 7) + 11) % 7);
}

std::string MonthYear(int year, int month) {
    return std::string(kMois[month - 1]) + " " + std::to_string(year);
}

class Household {
public:
    explicit Household(std::uint64_t seed) : m_rng(seed) {}

    void Month(int y, int m);
    std::vector<Draft>& Drafts() { return m_drafts; }

private:
    Draft& Add(int y, int m, int d, Amount amount, const char* paiement, const char* rubrique,
               const char* sousRubrique, const char* beneficiaire, std::string observation) {
        Draft& dr = m_drafts.emplace_back();
        dr.issue = ToDayDate(y, m, d);  // a day past the month's end rolls over, on purpose
        dr.amount = amount;
        dr.paiement = paiement;
        dr.rubrique = rubrique;
        dr.sousRubrique = sousRubrique;
        dr.beneficiaire = beneficiaire;
        dr.observation = std::move(observation);
        return dr;
    }

    // A day of the month on which shops are open (no Sunday).
    int ShopDay(int y, int m) {
        const int d = m_rng.Range(1, DaysInMonth(y, m));
        return Weekday(y, m, d) == 0 ? (d > 1 ? d - 1 : d + 1) : d;
    }
    // A Saturday of the month, market day.
    int Saturday(int y, int m) {
        int first = 1;
        while (Weekday(y, m, first) != 6)
            ++first;
        const int count = (DaysInMonth(y, m) - first) / 7 + 1;
        return first + 7 * m_rng.Range(0, count - 1);
    }
    // The working day on or before the given one (salaries are paid early).
    static int WorkingDayBefore(int y, int m, int d) {
        while (Weekday(y, m, d) == 0 || Weekday(y, m, d) == 6)
            --d;
        return d;
    }
    Amount Euros(int lo, int hi) { return -m_rng.Range(lo * 100, hi * 100); }

    void FixedCharges(int y, int m);
    void Food(int y, int m);
    void Car(int y, int m);
    void Health(int y, int m);
    void Leisure(int y, int m);
    void Occasional(int y, int m);

    SplitMix64 m_rng;
    std::vector<Draft> m_drafts;
};

void Household::Month(int y, int m) {
    FixedCharges(y, m);
    Food(y, m);
    Car(y, m);
    Health(y, m);
    Leisure(y, m);
    Occasional(y, m);
}

void Household::FixedCharges(int y, int m) {
    const bool late = y >= 2025;
    const std::string periode = MonthYear(y, m);

    // Salaries, with overtime and night shifts that change every month.
    Add(y, m, WorkingDayBefore(y, m, 28), 264850 + m_rng.Range(0, 18) * 1000, kVirement, "Revenus",
        "Salaire", kValmont, "Salaire " + periode);
    const int dayCamille = WorkingDayBefore(y, m, std::min(30, DaysInMonth(y, m)));
    Add(y, m, dayCamille, 218040 + m_rng.Range(0, 9) * 2790, kVirement, "Revenus", "Salaire",
        kHopital, "Salaire " + periode + ", gardes de nuit comprises");
    if (m == 12)
        Add(y, m, 18, late ? 125000 : 110000, kVirement, "Revenus", "Salaire", kValmont,
            "Prime de fin d'année");
    if (m == 11)
        Add(y, m, WorkingDayBefore(y, m, 25), 68900, kVirement, "Revenus", "Salaire", kHopital,
            "Prime de service annuelle");

    // The charges that recurring movements create.
    Add(y, m, 5, late ? -86850 : -85000, kPrelevement, "Logement", "Loyer", kLefevre,
        "Loyer et charges de l'appartement");
    Add(y, m, 8, late ? -3699 : -3499, kPrelevement, "Télécommunications", "Internet", kHorizon,
        "Box Internet fibre et téléphone fixe");
    if (m % 2 == 0) {
        const bool winter = m <= 4 || m >= 10;
        Add(y, m, 15, -(winter ? 16500 : 11800) - (late ? 700 : 0), kPrelevement, "Logement",
            "Électricité et gaz", kEnergies, "Échéance bimestrielle électricité et gaz");
    }
    if (m % 3 == 1)
        Add(y, m, 10, late ? -5120 : -4860, kPrelevement, "Logement", "Assurance habitation",
            kAssurances, "Multirisque habitation, échéance trimestrielle");

    // The others are entered by hand.
    Add(y, m, 12, -1599, kPrelevement, "Télécommunications", "Téléphone mobile", kHorizon,
        "Forfait mobile Julien");
    Add(y, m, 12, -999, kPrelevement, "Télécommunications", "Téléphone mobile", kHorizon,
        "Forfait mobile Camille");
    Add(y, m, 10, late ? -5480 : -5230, kPrelevement, "Transport", "Assurance auto", kAssurances,
        "Assurance auto tous risques");
    Add(y, m, 10, -28947, kPrelevement, "Transport", "Crédit auto", kBanque,
        "Échéance du prêt auto, 48 mensualités");
    Add(y, m, 3, late ? -9360 : -8940, kPrelevement, "Santé", "Mutuelle", kMutuelle,
        "Complémentaire santé famille");
    Add(y, m, 2, late ? -160000 : -150000, kVirement, "Épargne", "Livret A", kBanque,
        "Virement permanent vers le livret A")
        .reference = "VIR PERM";
    if (m % 3 == 0)
        Add(y, m, 20, -m_rng.Range(5400, 8200), kPrelevement, "Logement", "Eau", kEaux,
            "Facture d'eau du trimestre");
    Add(y, m, DaysInMonth(y, m), -250, kPrelevement, "Banque", "Frais", kBanque,
        "Frais de tenue de compte");
    if (m == 3) {
        Add(y, m, 6, -4500, kPrelevement, "Banque", "Frais", kBanque,
            "Cotisation annuelle carte bancaire");
        Add(y, m, 6, -4500, kPrelevement, "Banque", "Frais", kBanque,
            "Cotisation annuelle carte différée");
    }

    // Cash withdrawals at the machine of the branch.
    const int retraits = m_rng.Range(1, 2);
    for (int i = 0; i < retraits; ++i) {
        const int d = ShopDay(y, m);
        const Amount amount = -100 * m_rng.Pick({20, 40, 50, 60, 80, 100});
        Add(y, m, d, amount, kEspeces, "Banque", "Retraits", "",
            "Retrait distributeur place Carnot");
    }
}

void Household::Food(int y, int m) {
    const int courses = m_rng.Range(4, 6);
    for (int i = 0; i < courses; ++i) {
        const int r = m_rng.Range(0, 9);
        const bool epicerie = r == 9;
        const char* shop = r < 6 ? kSupermarche : (epicerie ? kEpicerie : kHypermarche);
        const Amount amount = epicerie ? Euros(18, 55) : Euros(32, 185);
        const char* card = m_rng.Chance(60) ? kCarte : kCarteDifferee;
        const int d = ShopDay(y, m);
        Add(y, m, d, amount, card, "Alimentation", "Supermarché", shop,
            m_rng.Pick<std::string>({"Courses de la semaine", "Courses", "Courses pour le week-end",
                                     "Courses et produits d'entretien", "Épicerie et surgelés",
                                     ""}));
    }
    if (m_rng.Chance(15)) {  // an item taken back to the shop
        const int d = ShopDay(y, m);
        Add(y, m, d, m_rng.Range(1500, 6400), kCarte, "Alimentation", "Supermarché", kHypermarche,
            "Remboursement d'un article retourné");
    }

    const int pains = m_rng.Range(3, 4);
    for (int i = 0; i < pains; ++i) {
        const char* boulangerie = m_rng.Chance(65) ? kMartin : kLemoine;
        const int d = m_rng.Range(1, DaysInMonth(y, m));  // open on Sunday morning
        const bool dimanche = Weekday(y, m, d) == 0;
        const Amount amount = dimanche ? Euros(12, 32) : -m_rng.Range(260, 1450);
        Add(y, m, d, amount, kCarte, "Alimentation", "Boulangerie", boulangerie,
            dimanche
                ? m_rng.Pick<std::string>({"Gâteau du dimanche", "Tarte aux pommes et pain"})
                : m_rng.Pick<std::string>({"Pain et viennoiseries", "Baguettes", "Pain de campagne",
                                           "Croissants et pains au chocolat"}));
    }

    const int marches = m_rng.Range(1, 2);
    for (int i = 0; i < marches; ++i) {
        const bool fromage = m_rng.Chance(35);
        const int d = Saturday(y, m);
        Add(y, m, d, fromage ? Euros(9, 38) : Euros(11, 42), kCarte, "Alimentation", "Marché",
            fromage ? kFromagerie : kGarnier,
            fromage ? "Fromages et crèmerie" : "Fruits et légumes de saison");
    }
}

void Household::Car(int y, int m) {
    const int pleins = m_rng.Range(2, 3);
    for (int i = 0; i < pleins; ++i) {
        const int d = m_rng.Range(1, DaysInMonth(y, m));
        const Amount amount = Euros(42, 86);
        const char* card = m_rng.Chance(50) ? kCarteDifferee : kCarte;
        const char* station = m_rng.Chance(70) ? kStation : kRelais;
        Add(y, m, d, amount, card, "Transport", "Carburant", station,
            m_rng.Chance(80) ? "Plein de gazole" : "");
    }

    const bool vacances = m == 2 || m == 4 || m == 7 || m == 8 || m == 12;
    const int peages = vacances ? m_rng.Range(2, 6) : (m_rng.Chance(30) ? 1 : 0);
    for (int i = 0; i < peages; ++i) {
        const int d = m_rng.Range(1, DaysInMonth(y, m));
        Add(y, m, d, -m_rng.Range(320, 2870), kCarteDifferee, "Transport", "Péage", kAutoroute, "");
    }

    if (y == 2024 && m == 3)
        Add(y, m, 14, -38760, kCheque, "Transport", "Entretien", kGarage,
            "Révision des 60 000 km : vidange, filtres à huile et à air, plaquettes de frein "
            "avant, "
            "contrôle de la géométrie");
    if (y == 2024 && m == 11)
        Add(y, m, 7, -31200, kCarte, "Transport", "Entretien", kGarage,
            "Quatre pneus hiver montés et équilibrés");
    if (y == 2025 && m == 4)
        Add(y, m, 22, -12900, kCarte, "Transport", "Entretien", kGarage,
            "Contrôle technique et remplacement des balais d'essuie-glace");
    if (y == 2025 && m == 10)
        Add(y, m, 9, -64880, kTrenteJours, "Transport", "Entretien", kGarage,
            "Révision des 80 000 km et remplacement de la courroie de distribution, payé à 30 "
            "jours "
            "sans frais");
}

void Household::Health(int y, int m) {
    const int pharmacie = m_rng.Range(0, 2);
    for (int i = 0; i < pharmacie; ++i) {
        const int d = ShopDay(y, m);
        const Amount amount = -m_rng.Range(450, 4890);
        const char* shop = m_rng.Chance(60) ? kPharmacieGare : kPharmacieMarche;
        Add(y, m, d, amount, kCarte, "Santé", "Pharmacie", shop,
            m_rng.Pick<std::string>({"Ordonnance", "Médicaments", "Parapharmacie", ""}));
    }

    // A consultation paid by cheque, then the two refunds by transfer.
    const int consultations = m_rng.Chance(55) ? 1 : (m_rng.Chance(20) ? 2 : 0);
    for (int i = 0; i < consultations; ++i) {
        // Refunds follow within 16 days; December 2025 keeps them inside the year.
        const int d = m_rng.Range(1, (y == 2025 && m == 12) ? 12 : 24);
        const Amount tarif = (y == 2024 && m < 12) ? 2650 : 3000;
        Add(y, m, d, -tarif, kCheque, "Santé", "Médecin", kMoreau, "Consultation");
        const Amount secu = tarif * 70 / 100 - 200;
        Add(y, m, d + m_rng.Range(4, 9), secu, kVirement, "Revenus", "Remboursements", kMaladie,
            "Remboursement consultation Dr Moreau");
        Add(y, m, d + m_rng.Range(10, 16), tarif - tarif * 70 / 100, kVirement, "Revenus",
            "Remboursements", kMutuelle, "Part complémentaire consultation");
    }
    if ((y == 2024 && m == 5) || (y == 2025 && m == 2) || (y == 2025 && m == 9)) {
        const Amount soins = -m_rng.Range(60, 150) * 100;
        Add(y, m, 16, soins, kCheque, "Santé", "Médecin", kRoux, "Soins dentaires, détartrage");
        Add(y, m, 25, -soins * 60 / 100, kVirement, "Revenus", "Remboursements", kMaladie,
            "Remboursement soins dentaires");
    }
}

void Household::Leisure(int y, int m) {
    const int restaurants = m_rng.Range(0, 2);
    for (int i = 0; i < restaurants; ++i) {
        const bool pizza = m_rng.Chance(40);
        const int d = m_rng.Range(1, DaysInMonth(y, m));
        const Amount amount = pizza ? Euros(24, 58) : Euros(35, 96);
        const char* card = m_rng.Chance(70) ? kCarte : kCarteDifferee;
        Add(y, m, d, amount, card, "Loisirs", "Restaurant", pizza ? kPizzeria : kBrasserie,
            m_rng.Pick<std::string>({"Dîner", "Déjeuner du dimanche", "Repas entre amis", ""}));
    }
    if (m_rng.Chance(50)) {
        const int d = m_rng.Range(1, DaysInMonth(y, m));
        Add(y, m, d, -m_rng.Pick({1900, 2080, 2240, 2860}), kCarte, "Loisirs", "Cinéma", kCinema,
            "Deux places");
    }
    if (m_rng.Chance(35)) {
        const int d = ShopDay(y, m);
        const Amount amount = Euros(8, 46);
        Add(y, m, d, amount, kCarte, "Loisirs", "Livres", kLibrairie,
            m_rng.Pick<std::string>(
                {"Romans de poche", "Bande dessinée", "Guide de randonnée", "Magazines"}));
    }
    const int vetements = m_rng.Range(0, 2);
    for (int i = 0; i < vetements; ++i) {
        const bool chaussures = m_rng.Chance(30);
        const int d = ShopDay(y, m);
        const Amount amount = chaussures ? Euros(45, 130) : Euros(19, 110);
        const char* card = m_rng.Chance(50) ? kCarte : kCarteDifferee;
        Add(y, m, d, amount, card, "Habillement", chaussures ? "Chaussures" : "Vêtements",
            chaussures ? kPerrin : kTextiles,
            chaussures ? "" : (m == 1 || m == 7 ? "Soldes" : "Vêtements"));
    }
    if (m == 9)
        Add(y, m, 7, y == 2024 ? -18000 : -19500, kCheque, "Loisirs", "Sport", kTennis,
            "Cotisation annuelle au club, deux adultes");
}

void Household::Occasional(int y, int m) {
    // Summer holidays in a rented cottage: deposit in spring, balance on arrival.
    if (m == 3)
        Add(y, m, 9, y == 2024 ? -20000 : -22000, kCheque, "Loisirs", "Vacances", kGite,
            y == 2024 ? "Arrhes pour la location de juillet" : "Arrhes pour la location d'août");
    if ((y == 2024 && m == 7) || (y == 2025 && m == 8))
        Add(y, m, 13, y == 2024 ? -42000 : -46500, kCheque, "Loisirs", "Vacances", kGite,
            "Solde de la location, deux semaines, taxe de séjour comprise");

    if (y == 2024 && m == 6)
        Add(y, m, 11, -124900, kTrenteJours, "Logement", "Mobilier", kMeubles,
            "Canapé trois places et table basse en chêne, livraison et reprise de l'ancien canapé "
            "comprises");
    if (y == 2025 && m == 1)
        Add(y, m, 21, -49900, kTrenteJours, "Logement", "Mobilier", kRoche,
            "Lave-linge 9 kg classe A, installation comprise");

    // The year-end bonus and a tax refund go to savings.
    if (m == 12)
        Add(y, m, 22, y == 2024 ? -100000 : -120000, kVirement, "Épargne", "Livret A", kBanque,
            "Placement de la prime de fin d'année");
    if ((y == 2024 && m == 9) || (y == 2025 && m == 6))
        Add(y, m, 16, y == 2024 ? -500000 : -800000, kVirement, "Épargne", "Livret A", kBanque,
            "Virement exceptionnel vers le livret A");

    // Birthdays by cheque; the grandmother's cheques the other way round.
    if (m == 4)
        Add(y, m, 17, -5000, kCheque, "Cadeaux", "Anniversaires", kLucas, "Anniversaire de Lucas");
    if (m == 10)
        Add(y, m, 3, 10000, kCheque, "Revenus", "Divers", kMamie,
            "Chèque de Mamie pour l'anniversaire de Camille")
            .reference = "Remise " + std::to_string(y % 100) + "10";
    if (m == 12) {
        const int cadeaux = m_rng.Range(3, 5);
        for (int i = 0; i < cadeaux; ++i) {
            const int d = m_rng.Range(1, 22);
            const Amount amount = Euros(15, 90);
            const char* card = m_rng.Chance(50) ? kCarte : kCarteDifferee;
            Add(y, m, d, amount, card, "Cadeaux", "Noël",
                m_rng.Chance(50) ? kLibrairie : kHypermarche, "Cadeaux de Noël");
        }
        Add(y, m, 20, 15000, kCheque, "Revenus", "Divers", kMamie, "Étrennes de Mamie").reference =
            "Remise " + std::to_string(y % 100) + "12";
    }
}

// The monthly statement is dated the 28th; a line is on the first statement on
// or after its validity date. Statements are checked up to October 2025.
DayDate StatementDate(DayDate validite) {
    const CivilDate c = ToCivil(validite);
    int y = c.year;
    int m = c.month;
    if (c.day > 28 && ++m > 12) {
        m = 1;
        ++y;
    }
    if (y * 12 + m > 2025 * 12 + 10)
        return 0;
    return ToDayDate(y, m, 28);
}

CMouvementAuto Mouvement(const char* titre, CivilDate prochaine, int nbMois, int jour,
                         const char* paiement, Amount montant, const char* rubrique,
                         const char* sousRubrique, const char* beneficiaire,
                         const char* observation) {
    CMouvementAuto mv;
    mv.m_titre = titre;
    mv.m_prochaineDate = ToDayDate(prochaine);
    mv.m_nbMois = static_cast<std::uint16_t>(nbMois);
    mv.m_jour = static_cast<std::uint16_t>(jour);
    mv.m_paiement = paiement;
    mv.m_montant = montant;
    mv.m_rubrique = rubrique;
    mv.m_sousRubrique = sousRubrique;
    mv.m_beneficiaire = beneficiaire;
    mv.m_observation = observation;
    return mv;
}

void AddMouvements(CBelvaneDoc& doc) {
    doc.AddMouvement(Mouvement("Loyer", {2026, 1, 5}, 1, 5, kPrelevement, -86850, "Logement",
                               "Loyer", kLefevre, "Loyer et charges de l'appartement"));
    doc.AddMouvement(Mouvement("Box Internet", {2026, 1, 8}, 1, 8, kPrelevement, -3699,
                               "Télécommunications", "Internet", kHorizon,
                               "Box Internet fibre et téléphone fixe"));
    doc.AddMouvement(Mouvement("Assurance habitation", {2026, 1, 10}, 3, 10, kPrelevement, -5120,
                               "Logement", "Assurance habitation", kAssurances,
                               "Multirisque habitation, échéance trimestrielle"));
    doc.AddMouvement(Mouvement("Électricité et gaz", {2026, 2, 15}, 2, 15, kPrelevement, -17200,
                               "Logement", "Électricité et gaz", kEnergies,
                               "Échéance bimestrielle électricité et gaz"));
    doc.AddMouvement(Mouvement("Salaire Julien", {2026, 1, 28}, 1, 28, kVirement, 264850, "Revenus",
                               "Salaire", kValmont, "Salaire mensuel"));
    // Day 30: February's line falls on the 28th.
    doc.AddMouvement(Mouvement("Salaire Camille", {2026, 1, 30}, 1, 30, kVirement, 218040,
                               "Revenus", "Salaire", kHopital, "Salaire mensuel"));
}

bool WithinLimits(const Draft& d) {
    // The entry dialogs' limits: references 16 characters, names 32, observations 128.
    return text::Length(d.reference) <= 16 && text::Length(d.paiement) <= 32 &&
           text::Length(d.rubrique) <= 32 && text::Length(d.sousRubrique) <= 32 &&
           text::Length(d.beneficiaire) <= 32 && text::Length(d.observation) <= 128;
}

int Run(const char* path) {
    // Sorted lists follow the collation of the default locale: fix it so that the
    // file does not depend on the environment of the run.
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale::getFrance(), status);

    const FixedClock clock({2025, 12, 31});
    CBelvaneDoc doc(nullptr, clock);

    doc.SetResume({"Banque du Val de Saône", "Villeneuve-Centre, 8 place Carnot", "00012345678",
                   "4974 XXXX XXXX 1234 (carte bancaire, Julien) ; "
                   "4974 XXXX XXXX 5678 (carte différée, Camille)",
                   "M. Julien Mercier et Mme Camille Mercier",
                   "Compte joint ouvert le 12 septembre 2016.\r\n"
                   "Découvert autorisé : 500 €.\r\n"
                   "Épargne → livret A par virement permanent le 2 du mois.",
                   384237});
    doc.SetDisplay({kColDateEmission, kColDateReleve, kColDateValidite, kColReference, kColPaiement,
                    kColMontant, kColRubrique, kColSousRubrique, kColBeneficiaire, kColObservation},
                   {10, 20, 18, 22, 30, 64}, CPolice::DefaultFixedPitch(),
                   CRegistre::kDefaultColors);

    AddPaiements(doc);
    AddRubriques(doc);
    AddBeneficiaires(doc);
    AddMouvements(doc);

    Household household(kSeed);
    for (int year = 2024; year <= 2025; ++year)
        for (int month = 1; month <= 12; ++month)
            household.Month(year, month);
    std::vector<Draft>& drafts = household.Drafts();
    std::stable_sort(drafts.begin(), drafts.end(),
                     [](const Draft& a, const Draft& b) { return a.issue < b.issue; });

    // Cheques written get the numbers of the cheque book in date order.
    int cheque = 4512;
    for (Draft& d : drafts) {
        if (d.paiement == kCheque && d.amount < 0) {
            char ref[16];
            std::snprintf(ref, sizeof ref, "%07d", cheque++);
            d.reference = ref;
        }
    }

    Amount balance = doc.GetMontantInitial();
    int reconciled = 0;
    for (const Draft& d : drafts) {
        if (!WithinLimits(d)) {
            std::fprintf(stderr, "text too long in a line: %s\n", d.observation.c_str());
            return 1;
        }
        const DayDate validite = ValidityDateFor(doc, d.issue, d.paiement, d.amount >= 0);
        const DayDate releve = StatementDate(validite);
        CLigne line;
        line.Set(d.issue, releve, validite, d.amount, d.reference, d.paiement, d.rubrique,
                 d.sousRubrique, d.beneficiaire, d.observation);
        if (doc.AddLine(line) != doc.GetLineCount() - 1) {
            std::fprintf(stderr, "lines out of date order\n");
            return 1;
        }
        balance += d.amount;
        reconciled += releve != 0 ? 1 : 0;
    }

    if (const Status saved = doc.OnSaveDocument(path); !saved.ok()) {
        std::fprintf(stderr, "%s\n", saved.ToString().c_str());
        return 1;
    }

    // What was written must read back as the same register.
    const std::string written = doc.SaveToBytes();
    CBelvaneDoc check(nullptr, clock);
    if (!check.OnOpenDocument(path).status.ok() || check.SaveToBytes() != written) {
        std::fprintf(stderr, "%s does not read back as written\n", path);
        return 1;
    }

    std::printf(
        "%s: %d lines (%d reconciled), %d payment methods, %d categories, %d payees, "
        "%d recurring movements, balance %s\n",
        path, doc.GetLineCount(), reconciled, doc.GetPaiementCount(), doc.GetRubriqueCount(),
        doc.GetBeneficiaireCount(), doc.GetMouvementCount(),
        doc.Format().FormatAmount(balance, true, 0).c_str());
    return 0;
}

}  // namespace
}  // namespace belvane

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.blv\n", argv[0]);
        return 2;
    }
    return belvane::Run(argv[1]);
}
