#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;

// The purge dialog (dialog 210): shows the closed lines of the open register
// issued up to the limit date one at a time, and moves the line shown, or all
// of them, into the archive register. Child object names: "1192" the archive's
// title, "1201" the line's number, "1193" the line, "506" the limit date,
// "1194" Apurer Ligne, "1121" Suivante, "1195" Apurer tout, "2" Fermer,
// "57670" Aide.
class CApurationDlg : public QDialog {
    Q_OBJECT

public:
    // `doc` is the open register, `archive` the register the lines go to, named
    // `archiveTitle`; both must outlive the dialog.
    CApurationDlg(CBelvaneDoc& doc, CBelvaneDoc& archive, const QString& archiveTitle,
                  QWidget* parent = nullptr);

    // The index of the line shown, -1 when there is none.
    int Current() const { return m_current; }
    CDateEdit* LimitField() const { return m_limit; }

private:
    // Shows the next candidate after the current line, or that there is none.
    void Search();
    // Leaving the limit: an empty one becomes the default limit; one that reads
    // shows the candidates under it again.
    void LeaveLimit();
    // Before a button acts: the limit reads (an empty one taken as the default
    // limit), or is refused with 10026, the focus back in the field.
    bool LimitRead();
    void PurgeShownLine();
    void PurgeAll();

    CBelvaneDoc& m_doc;
    CBelvaneDoc& m_archive;
    int m_current = -1;
    QLabel* m_number = nullptr;
    QLineEdit* m_line = nullptr;
    CDateEdit* m_limit = nullptr;
    QPushButton* m_purgeLine = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_purgeAll = nullptr;
    QPushButton* m_close = nullptr;
};

}  // namespace belvane
