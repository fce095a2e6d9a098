#include "gui/dialogs/ListDialogSupport.h"

#include "gui/support/DialogSupport.h"

#include <QListWidget>

#include <algorithm>

namespace belvane {

namespace listdlg {

int Selected(const QListWidget* list) {
    const int row = list->currentRow();
    return row >= 0 && list->item(row)->isSelected() ? row : -1;
}

void Select(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(row));
    } else {
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
}

void Fill(QListWidget* list, const QStringList& names) {
    const int row = Selected(list);
    {
        const QSignalBlocker block(list);
        list->clear();
        list->addItems(names);
    }
    Select(list, row < 0 ? -1 : std::min(row, static_cast<int>(list->count()) - 1));
}

void SelectText(QListWidget* list, const QString& name) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name) {
            Select(list, row);
            return;
        }
    }
    Select(list, -1);
}

void EnableButtons(QListWidget* list, std::initializer_list<QWidget*> buttons, bool enabled) {
    bool focusInside = false;
    for (QWidget* b : buttons)
        focusInside = focusInside || b->hasFocus();
    if (!enabled && focusInside)
        list->setFocus(Qt::OtherFocusReason);
    for (QWidget* b : buttons)
        b->setEnabled(enabled);
}

bool MoveSelected(QListWidget* list, const std::function<int(int)>& move) {
    const int i = Selected(list);
    if (i < 0)
        return false;
    const int to = move(i);
    if (to < 0) {
        dlg::Beep();
        return false;
    }
    Select(list, to);
    return true;
}

void SortKeepingSelection(QListWidget* list, int count, const std::function<void()>& sort,
                          const std::function<void()>& refill) {
    if (count < 2)
        return;
    const int i = Selected(list);
    const QString name = i >= 0 ? list->item(i)->text() : QString();
    sort();
    refill();
    // Selecting the name again tells the dialog through the selection signal.
    if (i >= 0)
        SelectText(list, name);
}

}  // namespace listdlg

}  // namespace belvane
