#pragma once

#include "core/Types.h"

#include <optional>

// Moving closed lines out of the open register into an archive register. Every
// moved line's amount is carried into the initial amounts of the account, of its
// category and of its subcategory (names compared without regard to case), so
// that every balance and category total of the open register stays the same;
// the line itself goes unchanged into the archive.
namespace belvane {

class CBelvaneDoc;
class CLigne;

// A line the purge offers: closed (it has a statement date) and issued no later
// than `limit`.
bool IsPurgeCandidate(const CLigne& line, DayDate limit);

// The limit proposed: the issue date of the register's last line, or today when
// it has none.
DayDate DefaultPurgeLimit(const CBelvaneDoc& doc);

// The candidate shown after line `current` (-1 before the first): the search
// runs on from the next line to the end, then wraps to the first line and stops
// once it is back where it started (`current` itself is offered again when it
// is the only candidate). -1 when there is none.
int NextPurgeCandidate(const CBelvaneDoc& doc, int current, DayDate limit);

// Moves line `index` of `doc` into `archive`. False, and nothing changed, when a
// carried amount would no longer fit a stored amount.
bool PurgeLine(CBelvaneDoc& doc, int index, CBelvaneDoc& archive);

// Moves every candidate up to `limit` in one pass, keeping their order: the
// lines from the first one issued after the limit on are left alone. Returns
// how many moved, or nothing (and nothing changed) when a carried amount would
// no longer fit.
std::optional<int> PurgeUpTo(CBelvaneDoc& doc, DayDate limit, CBelvaneDoc& archive);

}  // namespace belvane
