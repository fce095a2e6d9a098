#pragma once

#include "core/CMouvementAuto.h"
#include "gui/dialogs/lines/EntryFields.h"
#include "gui/dialogs/lines/RecordCreators.h"
#include "rules/MovementEntry.h"

#include <QDialog>

class QLineEdit;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;

// The recurring movement entry dialog (dialog 185), for a new movement or the
// correction of one. It fills `mouvement` only when it closes with OK, after
// every check passed; the next date is then aligned on the day of the month.
// Unknown names may be created on the spot as in the line entry dialog. Child
// object names are the control numbers.
class CMouvementDlg : public QDialog {
    Q_OBJECT

public:
    enum Mode { kNew = 1, kCorrection = 2 };

    CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode, QWidget* parent = nullptr);
    CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode, RecordCreators creators,
                  QWidget* parent = nullptr);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void Show(const CMouvementAuto& m);
    MovementEntryTexts ReadTexts() const;
    QWidget* FieldWidget(EntryField field) const;

    CBelvaneDoc& m_doc;
    CMouvementAuto& m_mouvement;
    int m_mode;
    RecordCreators m_creators;
    EntryFields m_fields;

    QLineEdit* m_titre = nullptr;
    CDateEdit* m_nextDate = nullptr;
    QLineEdit* m_months = nullptr;
    QLineEdit* m_day = nullptr;
};

}  // namespace belvane
