#pragma once

#include "rules/NameChecks.h"

#include <functional>
#include <string>

class QWidget;

namespace belvane {

class CBelvaneDoc;

// The entry dialogs of the reference lists, opened when the user agrees to
// create an unknown name on the spot. Each returns true when its dialog ended
// with OK and the record was added to the document; an empty one counts as a
// cancelled dialog.
struct RecordCreators {
    // A payment method of that name, code 0 and parameters 1 and 1, inserted at
    // its name's place.
    std::function<bool(CBelvaneDoc&, const std::string& name, QWidget* parent)> paiement;
    // A category of that name with initial amount 0, appended.
    std::function<bool(CBelvaneDoc&, const std::string& name, QWidget* parent)> rubrique;
    // A subcategory of that name appended to category `rubrique` (an index).
    std::function<bool(CBelvaneDoc&, int rubrique, const std::string& name, QWidget* parent)>
        sousRubrique;
    // A payee of that name with phone and address empty, appended.
    std::function<bool(CBelvaneDoc&, const std::string& name, QWidget* parent)> beneficiaire;
};

// The entry dialogs of the reference lists, each on a record of the typed name:
// the creators of the entry dialogs made without their own.
const RecordCreators& DialogCreators();

// Runs the creator of `field` on the name typed for it (the subcategory under
// category `rubrique`). Returns true when the record was added.
bool CreateNamedRecord(const RecordCreators& creators, CBelvaneDoc& doc, EntryField field,
                       const std::string& paiement, const std::string& rubrique,
                       const std::string& sousRubrique, const std::string& beneficiaire,
                       QWidget* parent);

}  // namespace belvane
