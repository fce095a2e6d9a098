#pragma once

class QWidget;

namespace belvane {

class CBelvaneDoc;

// The frame's line commands: each runs its dialog and applies what the dialog
// returns to the register.

// "Nouvelle ligne": dialogs in mode 1, each line added, until cancelled or the
// line limit is reached (message 10001).
void RunNewLineSequence(CBelvaneDoc& doc, QWidget* parent);

// "Corriger la ligne": the line `index` edited in mode 2 and replaced on OK.
// Returns true when the line was replaced.
bool CorrectLine(CBelvaneDoc& doc, int index, QWidget* parent);

// "Mode relevé": switches statement mode off, or asks the statement date
// (proposing the current one) and switches it on.
void ToggleStatementMode(CBelvaneDoc& doc, QWidget* parent);

}  // namespace belvane
