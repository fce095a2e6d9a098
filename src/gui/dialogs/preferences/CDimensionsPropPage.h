#pragma once

#include "gui/dialogs/preferences/CPropPage.h"
#include "uilogic/ColumnLists.h"

#include <array>
#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace belvane {

// Page "Colonnes" (dialog 200): the columns available ("1266") and the columns
// displayed ("1267"), both with multiple selection, the buttons "1268" add,
// "1269" remove, "1087" up, "1088" down, and the width of the one selected
// column that has one: label "1274", spin box "1273" whose field is "1272".
class CDimensionsPropPage : public CPropPage {
public:
    CDimensionsPropPage(const std::vector<std::uint8_t>& columns, const std::array<int, 6>& widths,
                        QWidget* parent = nullptr);

    // The columns displayed, in order (possibly none), and `widths` with theirs.
    std::vector<std::uint8_t> Columns() const { return m_lists.Columns(); }
    std::array<int, 6> Widths(const std::array<int, 6>& widths) const {
        return m_lists.Widths(widths);
    }

    QListWidget* Available() const { return m_available; }
    QListWidget* Displayed() const { return m_displayed; }

private:
    void Fill(const std::vector<int>& availableSelection,
              const std::vector<int>& displayedSelection);
    void AvailableSelectionChanged();
    void DisplayedSelectionChanged();
    void ShowButtons(const ColumnButtons& buttons);
    void Add();
    void Remove();
    void Move(bool up);
    void WidthTyped(int width);

    ColumnLists m_lists;
    QListWidget* m_available = nullptr;
    QListWidget* m_displayed = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QLabel* m_widthLabel = nullptr;
    QSpinBox* m_width = nullptr;
};

}  // namespace belvane
