#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace belvane {

// A column of the register in the preferences' two lists, with its width in
// characters (0 for the columns that have none).
struct ColumnItem {
    std::uint8_t id = 0;
    int width = 0;

    bool operator==(const ColumnItem&) const = default;
};

// What the buttons and the width field of the column page show.
struct ColumnButtons {
    bool add = false;
    bool remove = false;
    bool moveUp = false;
    bool moveDown = false;
    int widthMax = 0;  // the width field's largest value; 0: the field is hidden

    bool operator==(const ColumnButtons&) const = default;
};

// The two lists of the column page: the columns available (kept in identifier
// order) and the columns displayed (in display order). Selections are indices
// into a list, in ascending order.
class ColumnLists {
public:
    ColumnLists(const std::vector<std::uint8_t>& columns, const std::array<int, 6>& widths);

    const std::vector<ColumnItem>& Available() const { return m_available; }
    const std::vector<ColumnItem>& Displayed() const { return m_displayed; }

    // The selected available columns go, in their order, to the end of the
    // displayed ones.
    void Add(const std::vector<int>& selected);
    // The selected displayed columns go back among the available ones, each
    // before the first one with a greater identifier.
    void Remove(const std::vector<int>& selected);
    // Each selected displayed column moves one place; nothing moves when the
    // first (up) or last (down) column is selected. Returns the new selection.
    std::vector<int> MoveUp(const std::vector<int>& selected);
    std::vector<int> MoveDown(const std::vector<int>& selected);
    // The width of displayed column `index`, kept within 1 and its largest width.
    void SetWidth(int index, int width);

    // After a selection change in one list (the other's selection is cleared).
    static ColumnButtons AfterAvailableSelection(const std::vector<int>& selected);
    ColumnButtons AfterDisplayedSelection(const std::vector<int>& selected) const;

    // The displayed identifiers in order (possibly none), and `widths` with the
    // widths of the displayed columns that have one.
    std::vector<std::uint8_t> Columns() const;
    std::array<int, 6> Widths(std::array<int, 6> widths) const;

    // The largest width offered for a column, 0 when it has no width (its
    // width's index among the six is WidthIndexOf()).
    static int MaxWidth(std::uint8_t id);

private:
    std::vector<ColumnItem> m_available;
    std::vector<ColumnItem> m_displayed;
};

}  // namespace belvane
