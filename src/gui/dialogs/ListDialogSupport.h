#pragma once

#include <QStringList>

#include <functional>
#include <initializer_list>

class QListWidget;
class QWidget;

namespace belvane {

// What the list dialogs share: filling a list while keeping its selection, and
// the buttons that need a selected record.
namespace listdlg {

// The selected row, or -1.
int Selected(const QListWidget* list);
// Selects `row` (-1: none).
void Select(QListWidget* list, int row);
// Empties the list and adds `names` in order, then selects the row selected
// before, or the last one when the list became shorter. The list's signals are
// held meanwhile: the caller applies its selection rule afterwards.
void Fill(QListWidget* list, const QStringList& names);
// Selects the first item whose text is `name`, or none.
void SelectText(QListWidget* list, const QString& name);
// Enables or disables `buttons`; when they are disabled while one of them has
// the keyboard focus, the focus goes to the list.
void EnableButtons(QListWidget* list, std::initializer_list<QWidget*> buttons, bool enabled);

// "Monter" / "Descendre": `move` takes the selected row and returns its new
// place, or -1 when it already is at that end (then the list beeps). Returns
// whether the record moved; the new place is then selected, for the caller
// to refill the list.
bool MoveSelected(QListWidget* list, const std::function<int(int)>& move);
// "Tri": with two records or more, `sort` sorts them and `refill` fills the
// list again, and the name selected before is selected again.
void SortKeepingSelection(QListWidget* list, int count, const std::function<void()>& sort,
                          const std::function<void()>& refill);

}  // namespace listdlg

}  // namespace belvane
