#pragma once

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/dialogs/lists/ReferenceListPanel.h"

#include <functional>

namespace belvane {

// How the document keeps each whole list of records, and the question asked
// before deleting one.
template <class Record>
struct RecordKind;

template <>
struct RecordKind<CPaiement> {
    static constexpr auto count = &CBelvaneDoc::GetPaiementCount;
    static constexpr auto get = &CBelvaneDoc::GetPaiement;
    static constexpr auto remove = &CBelvaneDoc::DeletePaiement;
    static constexpr auto create = &NewPaiement;
    static constexpr auto modify = &ModifyPaiement;
    static constexpr int removeQuestion = 10016;
};

template <>
struct RecordKind<CBeneficiaire> {
    static constexpr auto count = &CBelvaneDoc::GetBeneficiaireCount;
    static constexpr auto get = &CBelvaneDoc::GetBeneficiaire;
    static constexpr auto remove = &CBelvaneDoc::DeleteBeneficiaire;
    static constexpr auto create = &NewBeneficiaire;
    static constexpr auto modify = &ModifyBeneficiaire;
    static constexpr auto move = &MoveBeneficiaire;
    static constexpr auto sort = &SortBeneficiaires;
    static constexpr int removeQuestion = 10018;
};

template <>
struct RecordKind<CRubrique> {
    static constexpr auto count = &CBelvaneDoc::GetRubriqueCount;
    static constexpr auto get = &CBelvaneDoc::GetRubrique;
    static constexpr auto remove = &CBelvaneDoc::DeleteRubrique;
    static constexpr auto create = &NewRubrique;
    static constexpr auto modify = &ModifyRubrique;
    static constexpr auto move = &MoveRubrique;
    static constexpr auto sort = &SortRubriques;
    static constexpr int removeQuestion = 10019;
};

// The adapter of a whole list of the register for a list panel: the document
// counts, names and deletes the records (the views are redrawn after a
// deletion); the reference-list operations add, change, move and sort them.
// `edit` runs the entry dialog on a record (its flag: a new record).
template <class Record, class Edit>
ReferenceListPanel::Records DocumentList(CBelvaneDoc& doc, Edit edit) {
    using Kind = RecordKind<Record>;
    ReferenceListPanel::Records records{
        .count = [&doc] { return (doc.*Kind::count)(); },
        .name = [&doc](int i) { return (doc.*Kind::get)(i).GetNom(); },
        .create = [&doc, edit] { Kind::create(doc, [&](Record& r) { return edit(r, true); }); },
        .modify = [&doc, edit](
                      int i) { Kind::modify(doc, i, [&](Record& r) { return edit(r, false); }); },
        .remove = [&doc](int i) { (doc.*Kind::remove)(i); },
        .removeQuestion = Kind::removeQuestion};
    if constexpr (requires { Kind::move; }) {
        records.move = [&doc](int i, int delta) { return Kind::move(doc, i, delta); };
        records.sort = [&doc](bool ascending) { Kind::sort(doc, ascending); };
    }
    return records;
}

}  // namespace belvane
