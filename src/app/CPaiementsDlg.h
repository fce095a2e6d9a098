#pragma once

#include <QDialog>
#include <QStringList>

#include <initializer_list>

class QListWidget;
class QPushButton;

namespace belvane {

class CBelvaneDoc;
class CPaiement;

// The payment methods list dialog (dialog 157): the methods of the register in
// name order, with "Nouveau", "Modifier" (also a double-click) and "Supprimer".
// Every change goes to the register at once; "Fermer" only closes. Child object
// names: "1031" list, "1062" Nouveau, "1063" Modifier, "1064" Supprimer, "57670"
// Aide, "2" Fermer.
class CPaiementsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPaiementsDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);

protected:
    // Runs the entry dialog on `paiement`; true when it closed with OK.
    virtual bool EditPaiement(CPaiement& paiement, bool nouveau);

private:
    void Fill();
    void ApplySelection();
    void OnNew();
    void OnModify();
    void OnDelete();

    CBelvaneDoc& m_doc;
    QListWidget* m_list = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_delete = nullptr;
};

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

}  // namespace listdlg

}  // namespace belvane
