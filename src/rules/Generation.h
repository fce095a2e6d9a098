#pragma once

#include "core/Types.h"

#include <functional>

namespace belvane {

class CBelvaneDoc;
class CLigne;
class CMouvementAuto;

// A movement falls due for `limit` when its next date is on or before it.
bool IsDue(const CMouvementAuto& mouvement, DayDate limit);

// Whether at least one movement of the register is due for `limit`.
bool AnyMovementDue(const CBelvaneDoc& doc, DayDate limit);

// What the user answers when a line is offered from a movement.
enum class OfferAnswer {
    Create,  // "Créer ligne": add the line (as the user left it), advance the movement
    Revoke,  // "Révoquer": advance the movement without a line
    Next,    // "Suivant": leave it due, to be offered again in the next pass
    Cancel,  // "Annuler" or closing: end at once
};

// Offers movement `index`'s line for this occurrence; the callee may change
// `line` before answering Create.
using OfferLine = std::function<OfferAnswer(int index, CLigne& line)>;

struct GenerationOutcome {
    enum End {
        NothingDue,  // nothing was due when it started (message 10025)
        Done,        // no movement is due any more
        Cancelled,   // the user cancelled an offer
        LineLimit,   // the register holds kMaxLines lines (message 10001)
    };
    End end = NothingDue;
    int created = 0;
    int revoked = 0;
};

// Generation up to `limit`: pass after pass, every movement due for `limit` is
// offered in list order, until none is due, the user cancels, or the register
// is full (checked before each offer). A late movement is offered once a pass,
// one period later each time. A movement whose next date does not move forward
// when it is advanced (0 months in an older file) is offered no more in this
// generation once it was created or revoked, so the passes always end. What
// was done before an end stays.
GenerationOutcome GenerateLines(CBelvaneDoc& doc, DayDate limit, const OfferLine& offer);

// The next date the movement entry dialog stores: the first day `day` of a
// month on or after `typed` (day of this month when it is not past, else of
// the next month), clamped to the month's last day. `day` is 1 to 31.
DayDate AlignNextDate(DayDate typed, int day);

}  // namespace belvane
