#pragma once

#include "core/Types.h"

#include <QDialog>

class QLabel;

namespace belvane {

class ValueFormat;
class CDateEdit;

// The date dialog (dialog 168): the date of a statement when statement mode is
// switched on, or, retitled, the date up to which recurring movements are
// anticipated. Child object names: "1127" the label, "1024" the date, "1" OK,
// "2" Annuler, "57670" Aide.
class CReleveDlg : public QDialog {
    Q_OBJECT

public:
    enum Mode {
        kStatement,     // "Passage en Mode Relevé", partial dates from the past
        kAnticipation,  // "Anticipation de mouvements", partial dates from today on
    };

    CReleveDlg(const ValueFormat& format, Mode mode, DayDate date, QWidget* parent = nullptr);

    // The date entered, once the dialog closed with OK.
    DayDate Date() const { return m_date; }
    CDateEdit* DateField() const { return m_field; }

public slots:
    void accept() override;

private:
    Mode m_mode;
    DayDate m_date = 0;
    CDateEdit* m_field = nullptr;
};

}  // namespace belvane
