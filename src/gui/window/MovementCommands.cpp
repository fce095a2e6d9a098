#include "gui/window/MovementCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/dialogs/movements/CCreationManuelleDlg.h"
#include "gui/dialogs/movements/CMouvementsDlg.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "rules/Generation.h"
#include "uilogic/CommandIds.h"

#include <cstdint>

namespace belvane {

namespace {

OfferAnswer AnswerOf(int dialogResult, std::uint16_t code) {
    if (dialogResult == QDialog::Accepted)
        return OfferAnswer::Create;
    switch (code) {
        case CLigneDlg::kResultRevoke:
            return OfferAnswer::Revoke;
        case CLigneDlg::kResultNext:
            return OfferAnswer::Next;
        default:
            return OfferAnswer::Cancel;
    }
}

}  // namespace

void ManageMovements(CBelvaneDoc& doc, QWidget* parent) {
    CMouvementsDlg list(doc, parent);
    RunModal(list);
}

void CreateManually(CBelvaneDoc& doc, QWidget* parent) {
    CCreationManuelleDlg dialog(
        doc, [&doc](const CLigne& line) { doc.AddLine(line); }, parent);
    RunModal(dialog);
}

void GenerateDueLines(CBelvaneDoc& doc, DayDate limit, int mode, QWidget* parent) {
    // One dialog for the whole generation, opened once per offer.
    CLigneDlg dialog(doc, parent);
    const GenerationOutcome outcome = GenerateLines(doc, limit, [&](int index, CLigne& line) {
        std::uint16_t code = CLigneDlg::kResultCancel;
        const int result = dialog.Run(line, mode, index, &code);
        return AnswerOf(result, code);
    });
    if (outcome.end == GenerationOutcome::NothingDue)
        dlg::Inform(parent, ids::kMsgNothingDue);
    else if (outcome.end == GenerationOutcome::LineLimit)
        dlg::Refuse(parent, ids::kMsgMaxLines);
}

void CreateAutomatically(CBelvaneDoc& doc, QWidget* parent) {
    GenerateDueLines(doc, doc.Format().Today(), CLigneDlg::kAutomaticCreation, parent);
}

void CreateInAdvance(CBelvaneDoc& doc, QWidget* parent) {
    CReleveDlg dialog(doc.Format(), CReleveDlg::kAnticipation, 0, parent);
    if (RunModal(dialog) == QDialog::Accepted)
        GenerateDueLines(doc, dialog.Date(), CLigneDlg::kAnticipatedCreation, parent);
}

void CheckDueAtOpening(CBelvaneDoc& doc, QWidget* parent) {
    if (doc.TakeJustLoaded() && AnyMovementDue(doc, doc.Format().Today()))
        dlg::Inform(parent, ids::kMsgDueMovements);
}

}  // namespace belvane
