#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QDialog;
class QGridLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace belvane {

// One list of a reference list dialog with its buttons: "Nouveau", "Modifier"
// (also a double-click), "Supprimer" and, for lists in the user's order,
// "Monter", "Descendre" and the two sorts. The records themselves are reached
// through a small adapter per record kind; the panel keeps the list filled and
// its selection, which the buttons acting on a record follow. The owning dialog
// lays the list and the buttons out.
class ReferenceListPanel : public QObject {
    Q_OBJECT

public:
    // The control numbers of the list and its buttons; 0 for a button the list
    // does not have.
    struct Controls {
        int list;
        int create;
        int modify;
        int remove;
        int up = 0;
        int down = 0;
        int sortUp = 0;
        int sortDown = 0;
    };

    // What the panel asks of a record kind. Each change goes to the register.
    struct Records {
        std::function<int()> count;
        std::function<std::string(int)> name;
        std::function<void()> create;     // runs the entry dialog on a new record
        std::function<void(int)> modify;  // runs the entry dialog on record i
        std::function<void(int)> remove;
        int removeQuestion = 0;  // string number of the confirmation
        // Moves record i by delta places; its new index, or -1 at that end.
        std::function<int(int, int)> move = {};
        std::function<void(bool)> sort = {};  // true: A to Z
    };

    // Makes the list and the buttons as children of `dialog`, with the texts of
    // dialog `dialogId`. The list is empty until Fill().
    ReferenceListPanel(QWidget* dialog, int dialogId, const Controls& controls, Records records);

    // The "Aide" and "Fermer" buttons of a list dialog, made in that order: help
    // opens the dialog's help topic, close (the default button) closes the dialog.
    static std::array<QPushButton*, 2> HelpAndClose(QDialog* dialog, int dialogId);

    QListWidget* List() const { return m_list; }
    // The buttons in the order of Controls.
    const std::vector<QPushButton*>& Buttons() const { return m_buttons; }
    QPushButton* Button(int control) const;
    // The buttons one under the other, then room, then `after`.
    QVBoxLayout* ButtonColumn(const std::array<QPushButton*, 2>& after) const;
    // The buttons in rows of four.
    QGridLayout* ButtonRows() const;
    // The selected row, or -1.
    int Selected() const;

    // More widgets that are enabled only with a selected record.
    void FollowSelection(std::vector<QWidget*> widgets);

    // Fills the list from the records again, keeping the selected row (the last
    // one when the list became shorter), then applies the selection.
    void Fill();

signals:
    // The selection rule was applied; `row` is the selected row or -1.
    void selectionApplied(int row);

private:
    void Select(int row);
    void ApplySelection();
    void OnNew();
    void OnModify();
    void OnDelete();
    void OnMove(int delta);
    void OnSort(bool ascending);

    QWidget* m_dialog;
    Records m_records;
    QListWidget* m_list = nullptr;
    std::vector<QPushButton*> m_buttons;
    std::vector<QWidget*> m_followers;  // enabled with a selection only
};

}  // namespace belvane
