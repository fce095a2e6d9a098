#pragma once

#include "core/CBeneficiaire.h"
#include "core/CPaiement.h"
#include "core/CRubrique.h"
#include "core/CSousRubrique.h"

#include <functional>
#include <string_view>

// Operations of the reference list dialogs on the register: creating, editing,
// moving and sorting payment methods, payees, categories and subcategories, and
// correcting a category or subcategory name in every line. Every operation goes
// through the document's own insertions and removals, so each change marks the
// register modified; each ends by redrawing the views.
namespace belvane {

class CBelvaneDoc;

// What an entry dialog run on a record reports back.
struct EntryOutcome {
    bool accepted = false;          // closed with OK: the record was filled
    bool renameEverywhere = false;  // categories and subcategories: correct the lines too
};

using PaiementEditor = std::function<bool(CPaiement&)>;
using BeneficiaireEditor = std::function<bool(CBeneficiaire&)>;
using RubriqueEditor = std::function<EntryOutcome(CRubrique&)>;
using SousRubriqueEditor = std::function<EntryOutcome(CSousRubrique&)>;

// --- names already in use, letter case ignored ---
bool HasPaiement(const CBelvaneDoc& doc, std::string_view nom);
bool HasBeneficiaire(const CBelvaneDoc& doc, std::string_view nom);
bool HasRubrique(const CBelvaneDoc& doc, std::string_view nom);
// Within category `rubrique` only.
bool HasSousRubrique(const CBelvaneDoc& doc, int rubrique, std::string_view nom);

// --- the OK of an entry dialog on the name typed: refused when empty, or when
// `taken` (one of the four above) finds it among the other records of the list.
enum class NameCheck { Ok, Empty, Taken };
using NameTaken = std::function<bool(std::string_view)>;
NameCheck CheckName(std::string_view nom, const NameTaken& taken);

// --- "Nouveau": runs `edit` on a blank record (a payment method starts with
// code 0 and parameters 1 and 1) and, when it is accepted, adds it: payment
// methods at their name place, the others at the end of their list. Returns the
// new index, or -1 when the entry was cancelled (the register is then unchanged).
int NewPaiement(CBelvaneDoc& doc, const PaiementEditor& edit);
int NewBeneficiaire(CBelvaneDoc& doc, const BeneficiaireEditor& edit);
int NewRubrique(CBelvaneDoc& doc, const RubriqueEditor& edit);
int NewSousRubrique(CBelvaneDoc& doc, int rubrique, const SousRubriqueEditor& edit);

// --- "Modifier": takes record i out of the register, runs `edit` on a copy and
// puts the copy back at the same place (payment methods at their name place),
// whether the entry was accepted or not. Taking it out first keeps the record's
// own name from counting as a duplicate. An accepted category or subcategory
// asking for it has its old name corrected in every line. Returns the index the
// record has afterwards.
int ModifyPaiement(CBelvaneDoc& doc, int i, const PaiementEditor& edit);
int ModifyBeneficiaire(CBelvaneDoc& doc, int i, const BeneficiaireEditor& edit);
// The category keeps its subcategories.
int ModifyRubrique(CBelvaneDoc& doc, int i, const RubriqueEditor& edit);
int ModifySousRubrique(CBelvaneDoc& doc, int rubrique, int j, const SousRubriqueEditor& edit);

// --- "Monter" / "Descendre": moves record i one place up (delta -1) or down
// (+1). Returns the new index, or -1 when it already is at that end (the caller
// beeps; nothing changes).
int MoveBeneficiaire(CBelvaneDoc& doc, int i, int delta);
int MoveRubrique(CBelvaneDoc& doc, int i, int delta);
int MoveSousRubrique(CBelvaneDoc& doc, int rubrique, int j, int delta);

// --- "Tri A --> Z" / "Tri Z --> A": shell sort by name in the user's collation,
// letter case ignored; equal names are not exchanged. Lists of fewer than two
// records are left alone.
void SortBeneficiaires(CBelvaneDoc& doc, bool ascending);
void SortRubriques(CBelvaneDoc& doc, bool ascending);
void SortSousRubriques(CBelvaneDoc& doc, int rubrique, bool ascending);

// --- "Corriger dans tout le fichier": every line whose category equals `ancien`
// (letter case ignored) gets `nouveau`; for a subcategory, only lines of the
// parent category `rubrique` are corrected. An empty old name names nothing and
// corrects no line. Returns the number of lines corrected.
int RenameRubriqueInLines(CBelvaneDoc& doc, std::string_view ancien, std::string_view nouveau);
int RenameSousRubriqueInLines(CBelvaneDoc& doc, std::string_view rubrique, std::string_view ancien,
                              std::string_view nouveau);

}  // namespace belvane
