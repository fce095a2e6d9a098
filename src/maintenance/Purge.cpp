#include "maintenance/Purge.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "maintenance/CategoryLookup.h"
#include "maintenance/InitialAmounts.h"

#include <algorithm>
#include <iterator>

namespace belvane {

namespace {

// Adds `moved` (in their register order) to the archive as AddLine one after the
// other would: each after every archived line of the same or an earlier date.
// Lines in date order are merged in one pass.
void AddToArchive(CBelvaneDoc& archive, CLigneStore& moved) {
    const auto byDate = [](const CLigne& a, const CLigne& b) {
        return a.m_dateEmission < b.m_dateEmission;
    };
    if (!std::is_sorted(moved.begin(), moved.end(), byDate)) {
        for (const CLigne& line : moved)
            archive.AddLine(line);
        return;
    }
    CLigneStore existing = archive.TakeLines();
    CLigneStore merged;
    merged.reserve(existing.size() + moved.size());
    // On equal dates std::merge takes the first range first: archived lines
    // stay before the newcomers.
    std::merge(std::make_move_iterator(existing.begin()), std::make_move_iterator(existing.end()),
               std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()),
               std::back_inserter(merged), byDate);
    archive.PutLines(std::move(merged));
}

}  // namespace

bool IsPurgeCandidate(const CLigne& line, DayDate limit) {
    return line.m_dateReleve != 0 && line.m_dateEmission <= limit;
}

DayDate DefaultPurgeLimit(const CBelvaneDoc& doc) {
    const int n = doc.GetLineCount();
    return n > 0 ? doc.GetLine(n - 1).m_dateEmission : doc.Format().Today();
}

int NextPurgeCandidate(const CBelvaneDoc& doc, int current, DayDate limit) {
    const int n = doc.GetLineCount();
    if (n == 0)
        return -1;
    const int start = std::clamp(current + 1, 0, n) % n;
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (IsPurgeCandidate(doc.GetLine(i), limit))
            return i;
    }
    return -1;
}

bool PurgeLine(CBelvaneDoc& doc, int index, CBelvaneDoc& archive) {
    const CLigne line = doc.GetLine(index);
    CategoryLookup lookup(doc);
    InitialAmounts amounts = InitialAmounts::Of(doc);
    amounts.Carry(lookup.Find(line), line.m_montant);
    if (!amounts.Fits())
        return false;
    doc.DeleteLine(index);
    amounts.ApplyTo(doc);
    archive.AddLine(line);
    return true;
}

std::optional<int> PurgeUpTo(CBelvaneDoc& doc, DayDate limit, CBelvaneDoc& archive) {
    const CLigneStore& lines = doc.Lines();
    const auto end = std::find_if(lines.begin(), lines.end(),
                                  [limit](const CLigne& l) { return l.m_dateEmission > limit; });
    CategoryLookup lookup(doc);
    InitialAmounts amounts = InitialAmounts::Of(doc);
    int count = 0;
    for (auto it = lines.begin(); it != end; ++it) {
        if (it->m_dateReleve != 0) {
            amounts.Carry(lookup.Find(*it), it->m_montant);
            ++count;
        }
    }
    if (!amounts.Fits())
        return std::nullopt;
    if (count == 0)
        return 0;

    const std::size_t cut = static_cast<std::size_t>(end - lines.begin());
    CLigneStore all = doc.TakeLines();
    CLigneStore kept, moved;
    kept.reserve(all.size() - count);
    moved.reserve(count);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool goes = i < cut && all[i].m_dateReleve != 0;
        (goes ? moved : kept).push_back(std::move(all[i]));
    }
    all = CLigneStore();
    doc.PutLines(std::move(kept));
    amounts.ApplyTo(doc);
    AddToArchive(archive, moved);
    return count;
}

}  // namespace belvane
