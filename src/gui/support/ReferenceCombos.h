#pragma once

class QComboBox;

namespace belvane {

class CBelvaneDoc;

// The combo boxes of the entry dialogs that offer the register's names. Each
// fill replaces the entries in the register's order and keeps the text that
// stands in the box.

// Payment methods, payees and categories, then the subcategories of the
// category typed.
void FillReferenceCombos(const CBelvaneDoc& doc, QComboBox* paiement, QComboBox* beneficiaire,
                         QComboBox* rubrique, QComboBox* sousRubrique);

// The subcategories of the category typed in `rubrique`.
void FillSousRubriqueCombo(const CBelvaneDoc& doc, const QComboBox* rubrique,
                           QComboBox* sousRubrique);

}  // namespace belvane
