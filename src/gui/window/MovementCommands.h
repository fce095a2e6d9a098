#pragma once

#include "core/Types.h"

class QWidget;

namespace belvane {

class CBelvaneDoc;

// The frame's movement commands: each runs its dialogs and applies what they
// return to the register.

// "Gestion des mouvements automatiques": the movements list dialog.
void ManageMovements(CBelvaneDoc& doc, QWidget* parent);

// "Création manuelle": the manual creation dialog; each line it returns is
// added to the register.
void CreateManually(CBelvaneDoc& doc, QWidget* parent);

// Generation of the lines due up to `limit`, each offered in the line entry
// dialog in `mode` (automatic or anticipated creation). Message 10025 when
// nothing is due, 10001 when the register reaches the line limit.
void GenerateDueLines(CBelvaneDoc& doc, DayDate limit, int mode, QWidget* parent);

// "Création automatique": generation up to today.
void CreateAutomatically(CBelvaneDoc& doc, QWidget* parent);

// "Anticiper la création": asks the date up to which to generate, then
// generates in anticipated mode.
void CreateInAdvance(CBelvaneDoc& doc, QWidget* parent);

// The check made when a register loaded from a file is first shown: message
// 10024 when a movement is due today. Nothing after a new register, nothing
// the second time.
void CheckDueAtOpening(CBelvaneDoc& doc, QWidget* parent);

}  // namespace belvane
