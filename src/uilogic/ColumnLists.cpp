#include "uilogic/ColumnLists.h"

#include "core/ColumnWidths.h"

#include <algorithm>
#include <utility>

namespace belvane {

namespace {

// The largest width offered for each of the six columns that have one.
constexpr std::array<int, 6> kLargestWidths = {16, 32, 32, 32, 32, 128};

bool IsSelected(const std::vector<int>& selected, int index) {
    return std::find(selected.begin(), selected.end(), index) != selected.end();
}

// `items` without the ones at `selected`; those go to `taken`, in order.
std::vector<ColumnItem> Take(std::vector<ColumnItem>& items, const std::vector<int>& selected) {
    std::vector<ColumnItem> taken;
    std::vector<ColumnItem> kept;
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        (IsSelected(selected, i) ? taken : kept).push_back(items[i]);
    items = std::move(kept);
    return taken;
}

}  // namespace

int ColumnLists::MaxWidth(std::uint8_t id) {
    const int index = WidthIndexOf(id);
    return index < 0 ? 0 : kLargestWidths[index];
}

ColumnLists::ColumnLists(const std::vector<std::uint8_t>& columns,
                         const std::array<int, 6>& widths) {
    const auto item = [&widths](std::uint8_t id) {
        const int index = WidthIndexOf(id);
        return ColumnItem{id, index < 0 ? 0 : widths[index]};
    };
    for (std::uint8_t id = 0; id < kColumnCount; ++id)
        if (std::find(columns.begin(), columns.end(), id) == columns.end())
            m_available.push_back(item(id));
    for (std::uint8_t id : columns)
        if (id < kColumnCount)
            m_displayed.push_back(item(id));
}

void ColumnLists::Add(const std::vector<int>& selected) {
    for (const ColumnItem& c : Take(m_available, selected))
        m_displayed.push_back(c);
}

void ColumnLists::Remove(const std::vector<int>& selected) {
    for (const ColumnItem& c : Take(m_displayed, selected)) {
        const auto at = std::find_if(m_available.begin(), m_available.end(),
                                     [&c](const ColumnItem& a) { return a.id > c.id; });
        m_available.insert(at, c);
    }
}

std::vector<int> ColumnLists::MoveUp(const std::vector<int>& selected) {
    if (selected.empty() || IsSelected(selected, 0))
        return selected;
    std::vector<int> moved;
    for (int i : selected) {
        std::swap(m_displayed[i - 1], m_displayed[i]);
        moved.push_back(i - 1);
    }
    return moved;
}

std::vector<int> ColumnLists::MoveDown(const std::vector<int>& selected) {
    const int last = static_cast<int>(m_displayed.size()) - 1;
    if (selected.empty() || IsSelected(selected, last))
        return selected;
    std::vector<int> moved(selected.size());
    for (std::size_t k = selected.size(); k-- > 0;) {
        std::swap(m_displayed[selected[k]], m_displayed[selected[k] + 1]);
        moved[k] = selected[k] + 1;
    }
    return moved;
}

void ColumnLists::SetWidth(int index, int width) {
    if (index < 0 || index >= static_cast<int>(m_displayed.size()))
        return;
    ColumnItem& c = m_displayed[index];
    const int max = MaxWidth(c.id);
    if (max > 0)
        c.width = std::clamp(width, 1, max);
}

ColumnButtons ColumnLists::AfterAvailableSelection(const std::vector<int>& selected) {
    ColumnButtons b;
    b.add = !selected.empty();
    return b;
}

ColumnButtons ColumnLists::AfterDisplayedSelection(const std::vector<int>& selected) const {
    ColumnButtons b;
    b.remove = !selected.empty();
    b.moveUp = b.moveDown = !selected.empty() && m_displayed.size() > 1;
    if (selected.size() == 1 && selected[0] >= 0 &&
        selected[0] < static_cast<int>(m_displayed.size()))
        b.widthMax = MaxWidth(m_displayed[selected[0]].id);
    return b;
}

std::vector<std::uint8_t> ColumnLists::Columns() const {
    std::vector<std::uint8_t> ids;
    for (const ColumnItem& c : m_displayed)
        ids.push_back(c.id);
    return ids;
}

std::array<int, 6> ColumnLists::Widths(std::array<int, 6> widths) const {
    for (const ColumnItem& c : m_displayed)
        if (const int index = WidthIndexOf(c.id); index >= 0)
            widths[index] = c.width;
    return widths;
}

}  // namespace belvane
