#include "core/ReferenceLists.h"

#include "core/CBelvaneDoc.h"
#include "core/Text.h"

#include <string>

namespace belvane {

namespace {

// Shell sort over `count` records named by `name`, exchanging records a and b
// (a < b) through `exchange`. Gaps n/2, n/4, ..., 1; each record is compared
// with the one a gap further and exchanged while out of order, stepping back by
// the gap.
template <class Name, class Exchange>
void ShellSort(int count, bool ascending, Name name, Exchange exchange) {
    for (int gap = count / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < count; ++i) {
            for (int j = i - gap; j >= 0; j -= gap) {
                const int order = text::CompareNoCase(name(j), name(j + gap));
                if (ascending ? order <= 0 : order >= 0)
                    break;
                exchange(j, j + gap);
            }
        }
    }
}

// One of the document's lists: its count, a copy of record i, the removal of
// record i and the insertion of a record at i.
template <class Get, class Remove, class Insert>
struct RecordList {
    CBelvaneDoc& doc;
    int count;
    Get get;
    Remove remove;
    Insert insert;

    // Moves record i by `delta` places; returns its new index, or -1 when
    // either index is outside the list.
    int Move(int i, int delta) const {
        const int to = i + delta;
        if (i < 0 || i >= count || to < 0 || to >= count)
            return -1;
        const auto moved = get(i);
        remove(i);
        insert(to, moved);
        return to;
    }

    // Sorts the records by `name`, exchanging records a and b (a < b) in place.
    template <class Name>
    void Sort(bool ascending, Name name) const {
        if (count < 2)
            return;
        ShellSort(count, ascending, name, [this](int a, int b) {
            const auto first = get(a);
            const auto second = get(b);
            remove(b);
            insert(b, first);
            remove(a);
            insert(a, second);
        });
    }
};

// Spelled out for compilers without deduction from an aggregate's members.
template <class Get, class Remove, class Insert>
RecordList(CBelvaneDoc&, int, Get, Remove, Insert) -> RecordList<Get, Remove, Insert>;

auto Beneficiaires(CBelvaneDoc& doc) {
    return RecordList{doc, doc.GetBeneficiaireCount(),
                      [&doc](int i) { return doc.GetBeneficiaire(i); },
                      [&doc](int i) { doc.DeleteBeneficiaire(i); },
                      [&doc](int i, const CBeneficiaire& b) { doc.InsertBeneficiaire(i, b); }};
}

auto Rubriques(CBelvaneDoc& doc) {
    return RecordList{doc, doc.GetRubriqueCount(), [&doc](int i) { return doc.GetRubrique(i); },
                      [&doc](int i) { doc.DeleteRubrique(i); },
                      [&doc](int i, const CRubrique& r) { doc.InsertRubrique(i, r); }};
}

auto SousRubriques(CBelvaneDoc& doc, int rubrique) {
    return RecordList{
        doc, doc.GetRubrique(rubrique).GetNbSousRubriques(),
        [&doc, rubrique](int j) { return doc.GetRubrique(rubrique).m_sousRubriques[j]; },
        [&doc, rubrique](int j) { doc.DeleteSousRubrique(rubrique, j); },
        [&doc, rubrique](int j, const CSousRubrique& s) {
            doc.InsertSousRubrique(rubrique, j, s);
        }};
}

bool Accepted(bool outcome) {
    return outcome;
}

bool Accepted(const EntryOutcome& outcome) {
    return outcome.accepted;
}

// Runs `edit` on a copy of `original`. The record that goes back is the edited
// copy when the entry was accepted, the untouched original otherwise, even when
// the editor fails half-way.
template <class Record, class Edit, class PutBack>
auto EditCopy(const Record& original, const Edit& edit, PutBack putBack) {
    Record copy = original;
    try {
        auto outcome = edit(copy);
        putBack(Accepted(outcome) ? copy : original);
        return std::make_pair(outcome, copy);
    } catch (...) {
        putBack(original);
        throw;
    }
}

// A cancelled edit puts the very record back: when it is back at its own
// place the register is as before and keeps the modified mark it had. (A
// payment method goes back at its name place, which differs from its old
// place in a list read unsorted from a file: that is a change.)
void KeepFlagIfUnchanged(CBelvaneDoc& doc, bool unchanged, bool wasModified) {
    if (unchanged && !wasModified)
        doc.SetModifiedFlag(false);
}

}  // namespace

bool HasPaiement(const CBelvaneDoc& doc, std::string_view nom) {
    return doc.FindPaiement(nom) >= 0;
}

bool HasBeneficiaire(const CBelvaneDoc& doc, std::string_view nom) {
    return doc.FindBeneficiaire(nom) >= 0;
}

bool HasRubrique(const CBelvaneDoc& doc, std::string_view nom) {
    return doc.FindRubrique(nom) >= 0;
}

bool HasSousRubrique(const CBelvaneDoc& doc, int rubrique, std::string_view nom) {
    if (rubrique < 0 || rubrique >= doc.GetRubriqueCount())
        return false;
    return doc.GetRubrique(rubrique).FindSousRubrique(nom) >= 0;
}

NameCheck CheckName(std::string_view nom, const NameTaken& taken) {
    if (text::IsBlank(nom))
        return NameCheck::Empty;
    return taken(nom) ? NameCheck::Taken : NameCheck::Ok;
}

// --- new records --------------------------------------------------------------

int NewPaiement(CBelvaneDoc& doc, const PaiementEditor& edit) {
    CPaiement paiement("", CPaiement::kImmediate, 1, 1);
    if (!edit(paiement))
        return -1;
    const int i = doc.AddPaiement(paiement);
    return i;
}

int NewBeneficiaire(CBelvaneDoc& doc, const BeneficiaireEditor& edit) {
    CBeneficiaire beneficiaire;
    if (!edit(beneficiaire))
        return -1;
    const int i = doc.GetBeneficiaireCount();
    doc.InsertBeneficiaire(i, beneficiaire);
    return i;
}

int NewRubrique(CBelvaneDoc& doc, const RubriqueEditor& edit) {
    CRubrique rubrique;
    if (!edit(rubrique).accepted)
        return -1;
    const int i = doc.GetRubriqueCount();
    doc.InsertRubrique(i, rubrique);
    return i;
}

int NewSousRubrique(CBelvaneDoc& doc, int rubrique, const SousRubriqueEditor& edit) {
    CSousRubrique sousRubrique;
    if (!edit(sousRubrique).accepted)
        return -1;
    const int j = doc.GetRubrique(rubrique).GetNbSousRubriques();
    doc.InsertSousRubrique(rubrique, j, sousRubrique);
    return j;
}

// --- modifying ----------------------------------------------------------------

int ModifyPaiement(CBelvaneDoc& doc, int i, const PaiementEditor& edit) {
    const CPaiement original = doc.GetPaiement(i);
    const bool wasModified = doc.IsModified();
    const CBelvaneDoc::UnfinishedChange editing(doc);  // out of its list meanwhile
    doc.DeletePaiement(i);
    int at = -1;
    const bool accepted =
        EditCopy(original, edit, [&](const CPaiement& p) { at = doc.AddPaiement(p); }).first;
    KeepFlagIfUnchanged(doc, !accepted && at == i, wasModified);
    return at;
}

int ModifyBeneficiaire(CBelvaneDoc& doc, int i, const BeneficiaireEditor& edit) {
    const CBeneficiaire original = doc.GetBeneficiaire(i);
    const bool wasModified = doc.IsModified();
    const CBelvaneDoc::UnfinishedChange editing(doc);  // out of its list meanwhile
    doc.DeleteBeneficiaire(i);
    const bool accepted = EditCopy(original, edit, [&](const CBeneficiaire& b) {
                              doc.InsertBeneficiaire(i, b);
                          }).first;
    KeepFlagIfUnchanged(doc, !accepted, wasModified);
    return i;
}

int ModifyRubrique(CBelvaneDoc& doc, int i, const RubriqueEditor& edit) {
    const CRubrique original = doc.GetRubrique(i);
    const bool wasModified = doc.IsModified();
    const CBelvaneDoc::UnfinishedChange editing(doc);  // out of its list meanwhile
    doc.DeleteRubrique(i);
    const auto [outcome, edited] =
        EditCopy(original, edit, [&](const CRubrique& r) { doc.InsertRubrique(i, r); });
    KeepFlagIfUnchanged(doc, !outcome.accepted, wasModified);
    if (outcome.accepted && outcome.renameEverywhere)
        RenameRubriqueInLines(doc, original.GetNom(), edited.GetNom());
    return i;
}

int ModifySousRubrique(CBelvaneDoc& doc, int rubrique, int j, const SousRubriqueEditor& edit) {
    const std::string parent = doc.GetRubrique(rubrique).GetNom();
    const CSousRubrique original = doc.GetRubrique(rubrique).m_sousRubriques[j];
    const bool wasModified = doc.IsModified();
    const CBelvaneDoc::UnfinishedChange editing(doc);  // out of its list meanwhile
    doc.DeleteSousRubrique(rubrique, j);
    const auto [outcome, edited] = EditCopy(
        original, edit, [&](const CSousRubrique& s) { doc.InsertSousRubrique(rubrique, j, s); });
    KeepFlagIfUnchanged(doc, !outcome.accepted, wasModified);
    if (outcome.accepted && outcome.renameEverywhere)
        RenameSousRubriqueInLines(doc, parent, original.m_nom, edited.m_nom);
    return j;
}

// --- moving ---------------------------------------------------------------------

int MoveBeneficiaire(CBelvaneDoc& doc, int i, int delta) {
    return Beneficiaires(doc).Move(i, delta);
}

int MoveRubrique(CBelvaneDoc& doc, int i, int delta) {
    return Rubriques(doc).Move(i, delta);
}

int MoveSousRubrique(CBelvaneDoc& doc, int rubrique, int j, int delta) {
    return SousRubriques(doc, rubrique).Move(j, delta);
}

// --- sorting --------------------------------------------------------------------

void SortBeneficiaires(CBelvaneDoc& doc, bool ascending) {
    Beneficiaires(doc).Sort(
        ascending, [&](int i) -> const std::string& { return doc.GetBeneficiaire(i).GetNom(); });
}

void SortRubriques(CBelvaneDoc& doc, bool ascending) {
    Rubriques(doc).Sort(ascending,
                        [&](int i) -> const std::string& { return doc.GetRubrique(i).GetNom(); });
}

void SortSousRubriques(CBelvaneDoc& doc, int rubrique, bool ascending) {
    SousRubriques(doc, rubrique).Sort(ascending, [&](int j) -> const std::string& {
        return doc.GetRubrique(rubrique).GetNomSousRubrique(j);
    });
}

// --- correcting names in the lines ---------------------------------------------

int RenameRubriqueInLines(CBelvaneDoc& doc, std::string_view ancien, std::string_view nouveau) {
    if (ancien.empty())
        return 0;
    int changed = 0;
    for (int i = 0; i < doc.GetLineCount(); ++i) {
        if (text::EqualsNoCase(doc.GetLine(i).m_rubrique, ancien)) {
            doc.SetLineRubrique(i, std::string(nouveau));
            ++changed;
        }
    }
    return changed;
}

int RenameSousRubriqueInLines(CBelvaneDoc& doc, std::string_view rubrique, std::string_view ancien,
                              std::string_view nouveau) {
    if (rubrique.empty() || ancien.empty())
        return 0;
    int changed = 0;
    for (int i = 0; i < doc.GetLineCount(); ++i) {
        const CLigne& line = doc.GetLine(i);
        if (text::EqualsNoCase(line.m_rubrique, rubrique) &&
            text::EqualsNoCase(line.m_sousRubrique, ancien)) {
            doc.SetLineSousRubrique(i, std::string(nouveau));
            ++changed;
        }
    }
    return changed;
}

}  // namespace belvane
