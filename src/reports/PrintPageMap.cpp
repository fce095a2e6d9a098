#include "reports/PrintPageMap.h"

#include "core/CBelvaneDoc.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace belvane {

PrintMetrics ComputePrintMetrics(PrintKind kind, const PrintDevice& device) {
    PrintMetrics m;
    const int h = device.header.height;
    m.headerHeight = h;
    m.titleY = h / 2;
    m.bodyTop = 3 * h;
    m.footerY = device.pageHeight - h / 2 - h;
    m.bodyBottom = device.pageHeight - 3 * h;
    if (kind == PrintKind::CategoryTotals) {
        m.lineHeight = 3 * (device.lines.height + device.lines.externalLeading);
        m.unit = 18 * device.lines.averageWidth;
    } else {
        m.lineHeight = device.lines.height;
        m.unit = device.lines.maxWidth;
    }
    m.lineHeight = std::max(m.lineHeight, 1);
    m.unit = std::max(m.unit, 1);
    m.rowsTop = m.bodyTop;
    m.ruleY = m.bodyTop;
    if (kind == PrintKind::RegisterLines || kind == PrintKind::MatchingLines) {
        // The column titles, then the rule half a line below them, clear of
        // the accents of the first row.
        m.ruleY = m.bodyTop + m.lineHeight + m.lineHeight / 4;
        m.rowsTop = m.bodyTop + m.lineHeight + m.lineHeight / 2;
    }
    m.rows = std::max((m.bodyBottom - m.rowsTop) / m.lineHeight, 1);
    return m;
}

std::vector<std::int32_t> RegisterPageMap(const CBelvaneDoc& doc, LineRange range, bool sorted) {
    std::vector<std::int32_t> map;
    if (range.last < range.first)
        return map;
    if (!sorted) {
        map.reserve(static_cast<std::size_t>(range.last - range.first + 1));
        for (int i = range.first; i <= range.last; ++i)
            map.push_back(i);
        return map;
    }
    // Each (category, subcategory) pair of the lists gets its rank in print
    // order; the lines are then put in buckets by rank, keeping index order.
    std::unordered_map<std::string, int> rank;
    auto key = [](std::string_view rubrique, std::string_view sousRubrique) {
        std::string k;
        k.reserve(rubrique.size() + sousRubrique.size() + 1);
        k.append(rubrique).push_back('\0');
        k.append(sousRubrique);
        return k;
    };
    int pairs = 0;
    for (int i = 0; i < doc.GetRubriqueCount(); ++i) {
        const CRubrique& rubrique = doc.GetRubrique(i);
        rank.try_emplace(key(rubrique.GetNom(), {}), pairs++);
        for (int j = 0; j < rubrique.GetNbSousRubriques(); ++j)
            rank.try_emplace(key(rubrique.GetNom(), rubrique.GetNomSousRubrique(j)), pairs++);
    }
    std::vector<std::int32_t> lineRank;
    lineRank.reserve(static_cast<std::size_t>(range.last - range.first + 1));
    std::vector<std::int32_t> start(static_cast<std::size_t>(pairs) + 1, 0);
    std::string k;
    for (int i = range.first; i <= range.last; ++i) {
        const CLigne& line = doc.GetLine(i);
        k.assign(line.m_rubrique).push_back('\0');
        k.append(line.m_sousRubrique);
        const auto found = rank.find(k);
        const int r = found == rank.end() ? -1 : found->second;
        lineRank.push_back(r);
        if (r >= 0)
            ++start[static_cast<std::size_t>(r) + 1];
    }
    for (int r = 0; r < pairs; ++r)
        start[static_cast<std::size_t>(r) + 1] += start[static_cast<std::size_t>(r)];
    map.resize(static_cast<std::size_t>(start[static_cast<std::size_t>(pairs)]));
    for (int i = range.first; i <= range.last; ++i) {
        const int r = lineRank[static_cast<std::size_t>(i - range.first)];
        if (r >= 0)
            map[static_cast<std::size_t>(start[static_cast<std::size_t>(r)]++)] = i;
    }
    return map;
}

TotalsGrid ComputeTotalsGrid(int pageWidth, int charWidth, int widestChars) {
    TotalsGrid grid;
    const int narrowest = std::max(charWidth, 1) * std::max(widestChars + 3, 18);
    grid.columns = std::max(pageWidth / narrowest, 2);
    grid.boxWidth = std::max(pageWidth / grid.columns, 1);
    return grid;
}

std::vector<std::int32_t> TotalsRowMap(const CategoryTotalsPrint& totals, int columns) {
    const int perRow = std::max(columns - 1, 1);
    std::vector<std::int32_t> map;
    for (std::size_t r = 0; r < totals.rows.size(); ++r) {
        const int subcategories = static_cast<int>(totals.rows[r].subcategories.size());
        int first = 0;
        do {
            map.push_back(static_cast<std::int32_t>(r));
            map.push_back(first);
            first += perRow;
        } while (first < subcategories);
    }
    return map;
}

int ChartBarsPerPage(int pageWidth, int unit) {
    return std::max(pageWidth / std::max(15 * unit, 1), 1);
}

int PrintPageCount(std::int64_t units, int perPage) {
    perPage = std::max(perPage, 1);
    const std::int64_t pages = (units + perPage - 1) / perPage;
    return static_cast<int>(std::max<std::int64_t>(pages, 1));
}

}  // namespace belvane
