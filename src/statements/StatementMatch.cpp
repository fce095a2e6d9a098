#include "statements/StatementMatch.h"

#include "core/CRegistre.h"
#include "statements/BankText.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace belvane {

namespace {

constexpr DayDate kDay = 86400;

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutLeadingZeros(std::string_view s) {
    while (s.size() > 1 && s.front() == '0')
        s.remove_prefix(1);
    return s;
}

// A candidate pairing of an operation and a line, in the order pairs are taken.
struct Pair {
    bool fresh;   // the line has no statement date yet
    bool byDate;  // not matched by its cheque number
    DayDate distance;
    int line;
    int entry;
    bool operator<(const Pair& o) const {
        return std::tie(fresh, byDate, distance, line, entry) <
               std::tie(o.fresh, o.byDate, o.distance, o.line, o.entry);
    }
};

// The payees of the register by key, and the newest line of each payee name.
class PayeeLookup {
public:
    PayeeLookup(const CRegistre& registre, const std::vector<std::string>& wanted)
        : m_registre(registre) {
        for (const CBeneficiaire& b : registre.m_beneficiaires)
            m_payees.emplace(bank::NameKey(b.m_nom), b.m_nom);
        // The newest line of each payee asked for: from the end of the store,
        // stopping once every one is found; a payee name's key made once.
        std::unordered_set<std::string> left;
        for (const std::string& name : wanted)
            left.insert(bank::NameKey(Payee(name)));
        std::unordered_map<std::string, std::string> keys;
        for (int i = static_cast<int>(registre.m_lignes.size()) - 1; i >= 0 && !left.empty(); --i) {
            const std::string& payee = registre.m_lignes[i].m_beneficiaire;
            auto it = keys.find(payee);
            if (it == keys.end())
                it = keys.emplace(payee, bank::NameKey(payee)).first;
            if (left.erase(it->second) != 0)
                m_newest.emplace(it->second, i);
        }
    }

    // The register's payee of that name, or the name itself.
    std::string Payee(const std::string& name) const {
        const auto it = m_payees.find(bank::NameKey(name));
        return it != m_payees.end() ? it->second : name;
    }
    // The newest line of the payee, or nullptr.
    const CLigne* Newest(const std::string& payee) const {
        const auto it = m_newest.find(bank::NameKey(payee));
        return it != m_newest.end() ? &m_registre.m_lignes[it->second] : nullptr;
    }

private:
    const CRegistre& m_registre;
    std::unordered_map<std::string, std::string> m_payees;
    std::unordered_map<std::string, int> m_newest;
};

}  // namespace

DayDate MatchDate(const CLigne& line) {
    return line.m_dateValidite != 0 ? line.m_dateValidite : line.m_dateEmission;
}

bool SameCheque(std::string_view number, std::string_view reference) {
    const std::string a = bank::Tidy(number), b = bank::Tidy(reference);
    if (AllDigits(a) && AllDigits(b))
        return WithoutLeadingZeros(a) == WithoutLeadingZeros(b);
    return !a.empty() && a == b;
}

std::vector<EntryMatch> MatchStatement(const CRegistre& registre, const Statement& statement,
                                       const MatchOptions& options) {
    const std::vector<StatementEntry>& entries = statement.entries;
    std::vector<EntryMatch> result(entries.size());
    if (entries.empty())
        return result;

    // The lines worth looking at: an amount of the statement, a date near its own.
    const DayDate reach = std::max(options.days, options.chequeDays) * kDay;
    DayDate first = entries.front().date, last = first;
    std::unordered_set<Amount> amounts;
    for (const StatementEntry& e : entries) {
        first = std::min(first, e.date);
        last = std::max(last, e.date);
        amounts.insert(e.amount);
    }
    std::unordered_map<Amount, std::vector<int>> byAmount;
    const CLigneStore& lines = registre.m_lignes;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const DayDate d = MatchDate(lines[i]);
        if (d >= first - reach && d <= last + reach && amounts.count(lines[i].m_montant) != 0)
            byAmount[lines[i].m_montant].push_back(i);
    }

    std::vector<Pair> pairs;
    for (int k = 0; k < static_cast<int>(entries.size()); ++k) {
        const StatementEntry& e = entries[k];
        const auto it = byAmount.find(e.amount);
        if (it == byAmount.end())
            continue;
        for (const int i : it->second) {
            const CLigne& l = lines[i];
            const DayDate distance =
                (MatchDate(l) > e.date ? MatchDate(l) - e.date : e.date - MatchDate(l));
            const bool byCheque = !e.cheque.empty() && SameCheque(e.cheque, l.m_reference);
            // A line that names another cheque is another payment.
            const bool otherCheque =
                !e.cheque.empty() && !byCheque && AllDigits(bank::Tidy(l.m_reference));
            if ((byCheque && distance <= options.chequeDays * kDay) ||
                (!otherCheque && distance <= options.days * kDay))
                pairs.push_back({l.m_dateReleve == 0, !byCheque, distance / kDay, i, k});
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<bool> entryTaken(entries.size()), lineTaken(lines.size());
    for (const Pair& p : pairs) {
        if (entryTaken[p.entry] || lineTaken[p.line])
            continue;
        entryTaken[p.entry] = lineTaken[p.line] = true;
        result[p.entry].outcome = p.fresh ? MatchOutcome::Matched : MatchOutcome::Already;
        result[p.entry].line = p.line;
    }

    std::vector<std::string> names;
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (!entryTaken[k])
            names.push_back(entries[k].name);
    if (names.empty())
        return result;
    const PayeeLookup payees(registre, names);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        if (entryTaken[k])
            continue;
        const StatementEntry& e = entries[k];
        CLigne& l = result[k].proposed;
        l.m_dateEmission = l.m_dateValidite = e.date;
        l.m_montant = e.amount;
        l.m_reference = e.cheque;
        l.m_beneficiaire = payees.Payee(e.name);
        if (const CLigne* newest = payees.Newest(l.m_beneficiaire)) {
            if (l.m_beneficiaire == e.name)
                l.m_beneficiaire = newest->m_beneficiaire;  // the register's spelling
            l.m_paiement = newest->m_paiement;
            l.m_rubrique = newest->m_rubrique;
            l.m_sousRubrique = newest->m_sousRubrique;
        }
        l.m_observation = e.memo;
    }
    return result;
}

}  // namespace belvane
