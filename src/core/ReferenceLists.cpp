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
    for (int i = 0; i < doc.GetBeneficiaireCount(); ++i)
        if (text::EqualsNoCase(doc.GetBeneficiaire(i).GetNom(), nom))
            return true;
    return false;
}

bool HasRubrique(const CBelvaneDoc& doc, std::string_view nom) {
    for (int i = 0; i < doc.GetRubriqueCount(); ++i)
        if (text::EqualsNoCase(doc.GetRubrique(i).GetNom(), nom))
            return true;
    return false;
}

bool HasSousRubrique(const CBelvaneDoc& doc, int rubrique, std::string_view nom) {
    if (rubrique < 0 || rubrique >= doc.GetRubriqueCount())
        return false;
    const CRubrique& r = doc.GetRubrique(rubrique);
    for (int j = 0; j < r.GetNbSousRubriques(); ++j)
        if (text::EqualsNoCase(r.GetNomSousRubrique(j), nom))
            return true;
    return false;
}

NameCheck CheckName(std::string_view nom, const NameTaken& taken) {
    if (nom.empty())
        return NameCheck::Empty;
    return taken(nom) ? NameCheck::Taken : NameCheck::Ok;
}

// --- new records --------------------------------------------------------------

int NewPaiement(CBelvaneDoc& doc, const PaiementEditor& edit) {
    CPaiement paiement("", CPaiement::kImmediate, 1, 1);
    if (!edit(paiement))
        return -1;
    const int i = doc.AddPaiement(paiement);
    doc.UpdateAllViews();
    return i;
}

int NewBeneficiaire(CBelvaneDoc& doc, const BeneficiaireEditor& edit) {
    CBeneficiaire beneficiaire;
    if (!edit(beneficiaire))
        return -1;
    const int i = doc.GetBeneficiaireCount();
    doc.InsertBeneficiaire(i, beneficiaire);
    doc.UpdateAllViews();
    return i;
}

int NewRubrique(CBelvaneDoc& doc, const RubriqueEditor& edit) {
    CRubrique rubrique;
    if (!edit(rubrique).accepted)
        return -1;
    const int i = doc.GetRubriqueCount();
    doc.InsertRubrique(i, rubrique);
    doc.UpdateAllViews();
    return i;
}

int NewSousRubrique(CBelvaneDoc& doc, int rubrique, const SousRubriqueEditor& edit) {
    CSousRubrique sousRubrique;
    if (!edit(sousRubrique).accepted)
        return -1;
    const int j = doc.GetRubrique(rubrique).GetNbSousRubriques();
    doc.InsertSousRubrique(rubrique, j, sousRubrique);
    doc.UpdateAllViews();
    return j;
}

// --- modifying ----------------------------------------------------------------

int ModifyPaiement(CBelvaneDoc& doc, int i, const PaiementEditor& edit) {
    const CPaiement original = doc.GetPaiement(i);
    const bool wasModified = doc.IsModified();
    doc.DeletePaiement(i);
    int at = -1;
    const bool accepted =
        EditCopy(original, edit, [&](const CPaiement& p) { at = doc.AddPaiement(p); }).first;
    KeepFlagIfUnchanged(doc, !accepted && at == i, wasModified);
    doc.UpdateAllViews();
    return at;
}

int ModifyBeneficiaire(CBelvaneDoc& doc, int i, const BeneficiaireEditor& edit) {
    const CBeneficiaire original = doc.GetBeneficiaire(i);
    const bool wasModified = doc.IsModified();
    doc.DeleteBeneficiaire(i);
    const bool accepted = EditCopy(original, edit, [&](const CBeneficiaire& b) {
                              doc.InsertBeneficiaire(i, b);
                          }).first;
    KeepFlagIfUnchanged(doc, !accepted, wasModified);
    doc.UpdateAllViews();
    return i;
}

int ModifyRubrique(CBelvaneDoc& doc, int i, const RubriqueEditor& edit) {
    const CRubrique original = doc.GetRubrique(i);
    const bool wasModified = doc.IsModified();
    doc.DeleteRubrique(i);
    const auto [outcome, edited] =
        EditCopy(original, edit, [&](const CRubrique& r) { doc.InsertRubrique(i, r); });
    KeepFlagIfUnchanged(doc, !outcome.accepted, wasModified);
    if (outcome.accepted && outcome.renameEverywhere)
        RenameRubriqueInLines(doc, original.GetNom(), edited.GetNom());
    doc.UpdateAllViews();
    return i;
}

int ModifySousRubrique(CBelvaneDoc& doc, int rubrique, int j, const SousRubriqueEditor& edit) {
    const std::string parent = doc.GetRubrique(rubrique).GetNom();
    const CSousRubrique original = doc.GetRubrique(rubrique).m_sousRubriques[j];
    const bool wasModified = doc.IsModified();
    doc.DeleteSousRubrique(rubrique, j);
    const auto [outcome, edited] = EditCopy(
        original, edit, [&](const CSousRubrique& s) { doc.InsertSousRubrique(rubrique, j, s); });
    KeepFlagIfUnchanged(doc, !outcome.accepted, wasModified);
    if (outcome.accepted && outcome.renameEverywhere)
        RenameSousRubriqueInLines(doc, parent, original.m_nom, edited.m_nom);
    doc.UpdateAllViews();
    return j;
}

// --- moving ---------------------------------------------------------------------

int MoveBeneficiaire(CBelvaneDoc& doc, int i, int delta) {
    const int to = i + delta;
    if (i < 0 || i >= doc.GetBeneficiaireCount() || to < 0 || to >= doc.GetBeneficiaireCount())
        return -1;
    const CBeneficiaire moved = doc.GetBeneficiaire(i);
    doc.DeleteBeneficiaire(i);
    doc.InsertBeneficiaire(to, moved);
    doc.UpdateAllViews();
    return to;
}

int MoveRubrique(CBelvaneDoc& doc, int i, int delta) {
    const int to = i + delta;
    if (i < 0 || i >= doc.GetRubriqueCount() || to < 0 || to >= doc.GetRubriqueCount())
        return -1;
    const CRubrique moved = doc.GetRubrique(i);
    doc.DeleteRubrique(i);
    doc.InsertRubrique(to, moved);
    doc.UpdateAllViews();
    return to;
}

int MoveSousRubrique(CBelvaneDoc& doc, int rubrique, int j, int delta) {
    const int to = j + delta;
    const int count = doc.GetRubrique(rubrique).GetNbSousRubriques();
    if (j < 0 || j >= count || to < 0 || to >= count)
        return -1;
    const CSousRubrique moved = doc.GetRubrique(rubrique).m_sousRubriques[j];
    doc.DeleteSousRubrique(rubrique, j);
    doc.InsertSousRubrique(rubrique, to, moved);
    doc.UpdateAllViews();
    return to;
}

// --- sorting --------------------------------------------------------------------

void SortBeneficiaires(CBelvaneDoc& doc, bool ascending) {
    if (doc.GetBeneficiaireCount() < 2)
        return;
    ShellSort(
        doc.GetBeneficiaireCount(), ascending,
        [&](int i) -> const std::string& { return doc.GetBeneficiaire(i).GetNom(); },
        [&](int a, int b) {
            const CBeneficiaire first = doc.GetBeneficiaire(a);
            const CBeneficiaire second = doc.GetBeneficiaire(b);
            doc.DeleteBeneficiaire(b);
            doc.InsertBeneficiaire(b, first);
            doc.DeleteBeneficiaire(a);
            doc.InsertBeneficiaire(a, second);
        });
    doc.UpdateAllViews();
}

void SortRubriques(CBelvaneDoc& doc, bool ascending) {
    if (doc.GetRubriqueCount() < 2)
        return;
    ShellSort(
        doc.GetRubriqueCount(), ascending,
        [&](int i) -> const std::string& { return doc.GetRubrique(i).GetNom(); },
        [&](int a, int b) {
            const CRubrique first = doc.GetRubrique(a);
            const CRubrique second = doc.GetRubrique(b);
            doc.DeleteRubrique(b);
            doc.InsertRubrique(b, first);
            doc.DeleteRubrique(a);
            doc.InsertRubrique(a, second);
        });
    doc.UpdateAllViews();
}

void SortSousRubriques(CBelvaneDoc& doc, int rubrique, bool ascending) {
    if (doc.GetRubrique(rubrique).GetNbSousRubriques() < 2)
        return;
    ShellSort(
        doc.GetRubrique(rubrique).GetNbSousRubriques(), ascending,
        [&](int j) -> const std::string& {
            return doc.GetRubrique(rubrique).GetNomSousRubrique(j);
        },
        [&](int a, int b) {
            const CSousRubrique first = doc.GetRubrique(rubrique).m_sousRubriques[a];
            const CSousRubrique second = doc.GetRubrique(rubrique).m_sousRubriques[b];
            doc.DeleteSousRubrique(rubrique, b);
            doc.InsertSousRubrique(rubrique, b, first);
            doc.DeleteSousRubrique(rubrique, a);
            doc.InsertSousRubrique(rubrique, a, second);
        });
    doc.UpdateAllViews();
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
    if (changed > 0) {
        doc.SetModifiedFlag(true);
        doc.UpdateAllViews();
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
    if (changed > 0) {
        doc.SetModifiedFlag(true);
        doc.UpdateAllViews();
    }
    return changed;
}

}  // namespace belvane
